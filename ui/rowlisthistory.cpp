#include "ui/rowlisthistory.h"
#include <QAction>
#include <QUndoStack>
#include <utility>

namespace {
// One step of the history. The change is already done when the step is pushed, so its first
// redo does nothing.
class ListStep : public QUndoCommand
{
public:
    ListStep(RowListModel& list, RowListChange&& change, const QString& name)
        : m_list(list), m_change(std::move(change))
    {
        setText(name);
    }

    void undo() override { m_change.undo(m_list); }
    void redo() override
    {
        if (m_done) {
            m_done = false;
            return;
        }
        m_change.redo(m_list);
    }

private:
    RowListModel& m_list;
    RowListChange m_change;
    bool m_done = true;
};

// The item's text with the step's name: "Kumoa: Tyhjennä lista".
void nameItem(QAction* item, const QString& base, const QString& step)
{
    item->setText(step.isEmpty() ? base : base + QStringLiteral(": ") + step);
}
} // namespace

const QString RowListHistory::OutsideName = QStringLiteral("Listan muutos");

RowListHistory::RowListHistory(RowListModel& rows, QObject* parent)
    : QObject(parent), m_rows(rows), m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(Steps);
    m_rows.recordInto(this);
    connect(m_stack, &QUndoStack::indexChanged, this, &RowListHistory::listChanged);
}

// The list may be gone already (it outlives no window that owns both), so it is not touched.
RowListHistory::~RowListHistory() = default;

void RowListHistory::undo()
{
    if (!commandOpen())
        m_stack->undo();
}

void RowListHistory::redo()
{
    if (!commandOpen())
        m_stack->redo();
}

void RowListHistory::drive(QAction* undoItem, QAction* redoItem)
{
    const QString undoBase = undoItem->text();
    const QString redoBase = redoItem->text();
    connect(m_stack, &QUndoStack::canUndoChanged, undoItem, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, redoItem, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::undoTextChanged, undoItem,
            [undoItem, undoBase](const QString& step) { nameItem(undoItem, undoBase, step); });
    connect(m_stack, &QUndoStack::redoTextChanged, redoItem,
            [redoItem, redoBase](const QString& step) { nameItem(redoItem, redoBase, step); });
    connect(undoItem, &QAction::triggered, this, &RowListHistory::undo);
    connect(redoItem, &QAction::triggered, this, &RowListHistory::redo);
}

void RowListHistory::open(const QString& name)
{
    if (m_depth++ == 0)
        m_name = name;
}

void RowListHistory::close()
{
    if (--m_depth > 0)
        return;
    const bool saved = std::exchange(m_savedAfter, false);
    if (m_pending.isEmpty())
        return;
    RowListChange done;
    std::swap(done, m_pending);
    m_stack->push(new ListStep(m_rows, std::move(done), m_name));
    if (saved)
        m_stack->setClean();
    // Told here too: at the undo limit a push leaves the index as it was.
    emit listChanged();
}

void RowListHistory::appended(size_t from, size_t count)
{
    const ListCommand outside(*this, OutsideName); // joins the open command, if any
    m_pending.appended(from, count);
}

void RowListHistory::cleared(RowListModel::Slice&& rows)
{
    const ListCommand outside(*this, OutsideName);
    m_pending.cleared(std::move(rows));
}

void RowListHistory::removed(RowListModel::Removed&& rows)
{
    const ListCommand outside(*this, OutsideName);
    m_pending.removed(std::move(rows));
}

ListCommand::ListCommand(RowListHistory& history, const QString& name) : m_history(history)
{
    m_history.open(name);
}

ListCommand::~ListCommand()
{
    m_history.close();
}

void ListCommand::markSaved()
{
    m_history.m_savedAfter = true;
}

void ListCommand::addAction(std::function<void()> undo, std::function<void()> redo)
{
    m_history.m_pending.addAction(std::move(undo), std::move(redo));
}
