#include "ui/progresswindow.h"
#include "ui/texts.h"

ProgressWindow::ProgressWindow(QWidget* parent, const QString& text, bool needed,
                               const QString& cancelText, int minimumDurationMs)
{
    if (!needed)
        return;
    m_dialog.emplace(text, cancelText, 0, 1000, parent);
    m_dialog->setWindowTitle(Texts::AppTitle);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(minimumDurationMs);
}

std::function<bool(qint64, qint64)> ProgressWindow::callback()
{
    if (!m_dialog)
        return {};
    return [this](qint64 done, qint64 total) {
        m_dialog->setValue(total > 0 ? int(done * 1000 / total) : 1000);
        return !m_dialog->wasCanceled();
    };
}
