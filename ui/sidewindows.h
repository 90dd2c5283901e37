#pragma once
// How the main window shows the other windows: a side window once of its kind beside it, or
// a window it hands over to and hides behind until that window is done.
#include <QPointer>
#include <QWidget>

namespace SideWindows {
inline void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

// One window of its kind: made on first use by make(), deleted when closed, brought to the
// front each time.
template <typename Window, typename Make> void showOnce(QPointer<Window>& window, Make make)
{
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringToFront(*window);
}

// main is hidden while window is open, and comes back when window gives its done signal.
template <typename Window, typename Signal>
void handOver(QWidget& main, Window* window, Signal done)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, done, &main, [&main] {
        main.show();
        main.raise();
    });
    main.hide();
    window->show();
}
} // namespace SideWindows
