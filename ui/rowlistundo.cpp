#include "ui/rowlistundo.h"
#include "core/rowlistchange.h"
#include "ui/rowlistcommand.h"
#include <QTimer>
#include <QUndoStack>

namespace {
// Each entry holds only what changed, but a cleared list of millions is still millions.
constexpr int UndoSteps = 20;
} // namespace

RowListUndo::RowListUndo(RowListModel& rows, std::function<void(int columns)> switchColumns,
                         QObject* parent)
    : QObject(parent), m_rows(rows), m_switchColumns(std::move(switchColumns)),
      m_stack(new QUndoStack(this)), m_pending(std::make_unique<RowListChange>())
{
    m_stack->setUndoLimit(UndoSteps);
    m_rows.recordInto(m_pending.get());
    connect(&m_rows, &RowListModel::countChanged, this, &RowListUndo::scheduleSeal);
}

RowListUndo::~RowListUndo() = default;

void RowListUndo::scheduleSeal()
{
    if (m_sealScheduled || !m_rows.recording())
        return;
    m_sealScheduled = true;
    QTimer::singleShot(0, this, &RowListUndo::seal);
}

void RowListUndo::seal()
{
    m_sealScheduled = false;
    if (m_drawing || m_pending->isEmpty())
        return;
    auto* entry = new RowListCommand(m_rows, std::move(*m_pending), m_switchColumns);
    *m_pending = RowListChange();
    m_stack->push(entry);
}

void RowListUndo::beginDraw()
{
    m_drawing = true;
}

void RowListUndo::endDraw()
{
    m_drawing = false;
    scheduleSeal();
}

void RowListUndo::undo()
{
    seal();
    m_stack->undo();
}

void RowListUndo::redo()
{
    seal();
    m_stack->redo();
}
