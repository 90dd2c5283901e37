#pragma once
// The progress window of long work: the domain loop reports through callback() and stops when
// the player presses the cancel button. Short work gets no window, as it would end before the
// window could show.
#include <QProgressDialog>
#include <functional>
#include <optional>

class ProgressWindow
{
public:
    ProgressWindow(QWidget* parent, const QString& text, bool needed,
                   const QString& cancelText = QStringLiteral("Keskeytä"),
                   int minimumDurationMs = 0);

    // (done, total) -> whether to go on; empty when there is no window.
    std::function<bool(qint64, qint64)> callback();

private:
    std::optional<QProgressDialog> m_dialog;
};
