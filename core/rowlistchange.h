#pragma once
// What one command did to the row list, so that it can be taken back and done again. It keeps
// what changed, not a copy of the list: appended rows are known by their range (and held here
// only while undone), a cleared list hands its storage over instead of being copied, and
// removed rows are kept with their positions. A mark records a change of the match count at
// its place among the steps, so that undoing it switches the mode back in the right order.
#include "core/scorerow.h"
#include <functional>
#include <vector>

class RowListModel;

class RowListChange
{
public:
    bool isEmpty() const { return m_steps.empty(); }
    bool hasMark() const;

    // markSwitch is called for a mark with the match count to switch to.
    void undo(RowListModel& list, const std::function<void(int columns)>& markSwitch);
    void redo(RowListModel& list, const std::function<void(int columns)>& markSwitch);

private:
    friend class RowListModel;
    enum class Kind
    {
        Appended,
        Cleared,
        RemovedTicked,
        Mark
    };
    struct Step
    {
        explicit Step(Kind stepKind) : kind(stepKind) {}
        Kind kind;
        size_t from = 0;                // Appended: first position; Mark: the match count before
        size_t count = 0;               // Appended: how many; Mark: the match count after
        std::vector<ScoreRow> rows;     // held while undone, or the cleared / removed rows
        std::vector<bool> checked;      // their ticks
        std::vector<quint32> positions; // RemovedTicked: where each removed row stood
    };
    std::vector<Step> m_steps;
};
