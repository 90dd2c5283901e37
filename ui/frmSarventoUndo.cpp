// Undo and redo of the row list. The list logs every change into a pending entry; the entry
// is sealed when the event that made the change has been handled, so one click is one entry
// whichever area (goal-grid tab, file menu, comparison window) changed the list.
#include "ui/frmSarvento.h"
#include "ui/rowlistcommand.h"
#include "ui/ui_frmSarvento.h"
#include <QTimer>
#include <QUndoStack>

namespace {
// Each entry holds only what changed, but a cleared list of millions is still millions.
constexpr int UndoSteps = 20;
} // namespace

void frmSarvento::connectUndo()
{
    m_undo = new QUndoStack(this);
    m_undo->setUndoLimit(UndoSteps);
    m_pendingChange = std::make_unique<RowListChange>();
    m_rows.recordInto(m_pendingChange.get());
    connect(&m_rows, &RowListModel::countChanged, this, &frmSarvento::scheduleSeal);
    connect(m_undo, &QUndoStack::canUndoChanged, ui->MnuKumoa, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, ui->MnuTeeUudelleen, &QAction::setEnabled);
    connect(ui->MnuKumoa, &QAction::triggered, this, &frmSarvento::MnuKumoa_Click);
    connect(ui->MnuTeeUudelleen, &QAction::triggered, this, &frmSarvento::MnuTeeUudelleen_Click);
}

void frmSarvento::scheduleSeal()
{
    if (m_sealScheduled || !m_rows.recording())
        return;
    m_sealScheduled = true;
    QTimer::singleShot(0, this, &frmSarvento::sealListChange);
}

void frmSarvento::sealListChange()
{
    m_sealScheduled = false;
    if (m_drawing || m_pendingChange->isEmpty())
        return;
    auto* entry = new RowListCommand(m_rows, std::move(*m_pendingChange),
                                     [this](int columns) { switchColumns(columns); });
    *m_pendingChange = RowListChange();
    m_undo->push(entry);
}

void frmSarvento::MnuKumoa_Click()
{
    sealListChange();
    m_undo->undo();
}

void frmSarvento::MnuTeeUudelleen_Click()
{
    sealListChange();
    m_undo->redo();
}
