#pragma once
// What one command did to the row list, so that it can be taken back and done again. It keeps
// what changed, not a copy of the list: appended rows are known by their range (and held here
// only while undone), a cleared list hands its storage over instead of being copied, and
// removed rows are kept with their positions. An action is something besides the list that
// the command changed (the match count, the inputs it cleared); it is taken back and done
// again at its place among the list's changes.
#include "core/rowlistmodel.h"
#include <functional>
#include <vector>

class RowListChange : public RowListModel::Recorder
{
public:
    bool isEmpty() const { return m_steps.empty(); }

    void addAction(std::function<void()> undo, std::function<void()> redo);

    // The list must be as the change left it (undo) or as its undo left it (redo).
    void undo(RowListModel& list);
    void redo(RowListModel& list);

    void appended(size_t from, size_t count) override;
    void cleared(RowListModel::Slice&& rows) override;
    void removed(RowListModel::Removed&& rows) override;

private:
    enum class Kind
    {
        Appended,
        Cleared,
        Removed,
        Action
    };
    struct Step
    {
        explicit Step(Kind stepKind) : kind(stepKind) {}
        Kind kind;
        size_t from = 0;             // Appended: the first position
        size_t count = 0;            // Appended: how many
        RowListModel::Slice rows;    // Appended: held while undone; Cleared: the rows
        RowListModel::Removed taken; // Removed
        std::function<void()> undoAction;
        std::function<void()> redoAction;
    };
    std::vector<Step> m_steps;
};
