#pragma once
// Undo and redo of the row list. The list logs every change into a pending entry; the entry
// is sealed when the event that made the change has been handled, so one click is one entry
// whichever area (a tab, the file commands, the comparison window) changed the list. A draw
// lets events through; the rows it adds are one entry all the same.
#include "core/rowlistmodel.h"
#include <QObject>
#include <functional>
#include <memory>

class QUndoStack;
class RowListChange;

class RowListUndo : public QObject
{
    Q_OBJECT
public:
    // switchColumns puts the main window in the match count a mode switch taken back or done
    // again leaves.
    RowListUndo(RowListModel& rows, std::function<void(int columns)> switchColumns,
                QObject* parent);
    ~RowListUndo() override;

    QUndoStack& stack() const { return *m_stack; }

    // The changes logged so far become one entry now.
    void seal();
    // They become one entry once the event being handled is done.
    void scheduleSeal();
    void beginDraw();
    void endDraw();

    void undo();
    void redo();

private:
    RowListModel& m_rows;
    std::function<void(int columns)> m_switchColumns;
    QUndoStack* m_stack;
    std::unique_ptr<RowListChange> m_pending;
    bool m_sealScheduled = false;
    bool m_drawing = false;
};
