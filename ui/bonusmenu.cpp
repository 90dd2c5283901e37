#include "ui/bonusmenu.h"
#include "ui/games/frmKeno.h"
#include "ui/games/frmLotot.h"
#include "ui/games/frmRandom.h"
#include "ui/games/frmVakio.h"
#include "ui/games/frmVeto.h"
#include "ui/sidewindows.h"

BonusMenu::BonusMenu(QWidget& mainWindow, RandomSource& random)
    : QObject(&mainWindow), m_main(mainWindow), m_random(random)
{
}

template <typename Window> void BonusMenu::open()
{
    // A window of its own (no parent): hiding the main window must not hide it.
    SideWindows::handOver(m_main, new Window(m_random), &Window::closed);
}

void BonusMenu::MnuLotto_Click()
{
    open<frmLotot>();
}

void BonusMenu::MnuRandom_Click()
{
    open<frmRandom>();
}

void BonusMenu::MnuKeno_Click()
{
    open<frmKeno>();
}

void BonusMenu::MnuVakio_Click()
{
    open<frmVakio>();
}

void BonusMenu::MnuVeto_Click()
{
    open<frmVeto>();
}
