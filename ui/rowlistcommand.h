#pragma once
// One entry of the main window's undo history: a logged change of the row list. The change
// is already done when the entry is pushed, so its first redo does nothing.
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include <QUndoCommand>
#include <functional>

class RowListCommand : public QUndoCommand
{
public:
    RowListCommand(RowListModel& list, RowListChange&& change,
                   std::function<void(int columns)> markSwitch)
        : m_list(list), m_change(std::move(change)), m_markSwitch(std::move(markSwitch))
    {
    }

    void undo() override { m_change.undo(m_list, m_markSwitch); }
    void redo() override
    {
        if (m_done) {
            m_done = false;
            return;
        }
        m_change.redo(m_list, m_markSwitch);
    }

private:
    RowListModel& m_list;
    RowListChange m_change;
    std::function<void(int columns)> m_markSwitch;
    bool m_done = true;
};
