#include "core/rowlistchange.h"

void RowListChange::addAction(std::function<void()> undo, std::function<void()> redo)
{
    Step step(Kind::Action);
    step.undoAction = std::move(undo);
    step.redoAction = std::move(redo);
    m_steps.push_back(std::move(step));
}

void RowListChange::appended(size_t from, size_t count)
{
    // A long draw announces its rows in several parts; they are one append.
    if (!m_steps.empty() && m_steps.back().kind == Kind::Appended &&
        m_steps.back().from + m_steps.back().count == from) {
        m_steps.back().count += count;
        return;
    }
    Step step(Kind::Appended);
    step.from = from;
    step.count = count;
    m_steps.push_back(std::move(step));
}

void RowListChange::cleared(RowListModel::Slice&& rows)
{
    Step step(Kind::Cleared);
    step.rows = std::move(rows);
    m_steps.push_back(std::move(step));
}

void RowListChange::removed(RowListModel::Removed&& rows)
{
    Step step(Kind::Removed);
    step.taken = std::move(rows);
    m_steps.push_back(std::move(step));
}

namespace {
// Taking a change back or doing it again is no new change: the list records nothing meanwhile,
// also of what an action does to it.
struct Unrecorded
{
    explicit Unrecorded(RowListModel& list) : list(list), recorder(list.recorder())
    {
        list.recordInto(nullptr);
    }
    ~Unrecorded() { list.recordInto(recorder); }
    Unrecorded(const Unrecorded&) = delete;
    Unrecorded& operator=(const Unrecorded&) = delete;
    RowListModel& list;
    RowListModel::Recorder* recorder;
};
} // namespace

void RowListChange::undo(RowListModel& list)
{
    const Unrecorded quiet(list);
    RowListModel::Replay replay(list);
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
        switch (step->kind) {
        case Kind::Appended:
            step->rows = replay.takeTail(step->from);
            break;
        case Kind::Cleared:
            replay.putBackAll(std::move(step->rows));
            break;
        case Kind::Removed:
            replay.putBack(step->taken);
            break;
        case Kind::Action:
            step->undoAction();
            break;
        }
    }
}

void RowListChange::redo(RowListModel& list)
{
    const Unrecorded quiet(list);
    RowListModel::Replay replay(list);
    for (Step& step : m_steps) {
        switch (step.kind) {
        case Kind::Appended:
            replay.putBackTail(std::move(step.rows));
            break;
        case Kind::Cleared:
            step.rows = replay.takeAll();
            break;
        case Kind::Removed:
            replay.takeAgain(step.taken);
            break;
        case Kind::Action:
            step.redoAction();
            break;
        }
    }
}
