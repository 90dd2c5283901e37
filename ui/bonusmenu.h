#pragma once
// The "&Bonus" menu: each item opens the window of another game while the main window is
// hidden; the main window comes back when that window closes, however it is closed.
#include "core/random.h"
#include <QObject>

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

private:
    template <typename Window> void open();

    QWidget& m_main;
    RandomSource& m_random;
};
