#pragma once
// The "&Bonus" menu: each item opens the window of another game while the main window is
// hidden; the main window comes back when that window closes, however it is closed.
#include "core/random.h"
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

class BonusMenu : public QObject
{
    Q_OBJECT
public:
    // mainWindow is hidden while a game window is open.
    BonusMenu(QWidget& mainWindow, RandomSource& random);

    void MnuLotto_Click();
    void MnuRandom_Click();
    void MnuKeno_Click();
    void MnuVakio_Click();
    void MnuVeto_Click();

    // The game window open now, if any.
    QWidget* openWindow() const { return m_open; }

private:
    template <typename Window> void open();

    QWidget& m_main;
    RandomSource& m_random;
    QPointer<QWidget> m_open;
};
