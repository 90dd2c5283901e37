#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include <algorithm>

bool RowListChange::hasMark() const
{
    return std::any_of(m_steps.begin(), m_steps.end(),
                       [](const Step& step) { return step.kind == Kind::Mark; });
}

void RowListChange::undo(RowListModel& list, const std::function<void(int columns)>& markSwitch)
{
    RowListChange* const recording = list.recording();
    list.recordInto(nullptr);
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
        switch (step->kind) {
        case Kind::Appended:
            list.takeTail(*step);
            break;
        case Kind::Cleared:
            list.putBackAll(*step);
            break;
        case Kind::RemovedTicked:
            list.putBackTicked(*step);
            break;
        case Kind::Mark:
            markSwitch(int(step->from));
            break;
        }
    }
    list.recordInto(recording);
}

void RowListChange::redo(RowListModel& list, const std::function<void(int columns)>& markSwitch)
{
    RowListChange* const recording = list.recording();
    list.recordInto(nullptr);
    for (Step& step : m_steps) {
        switch (step.kind) {
        case Kind::Appended:
            list.putBackTail(step);
            break;
        case Kind::Cleared:
            list.takeAll(step);
            break;
        case Kind::RemovedTicked:
            list.retakeRemoved(step);
            break;
        case Kind::Mark:
            markSwitch(int(step.count));
            break;
        }
    }
    list.recordInto(recording);
}
