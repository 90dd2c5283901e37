#pragma once
// Net play: the main window's rows (or its goal system as one bet) are played one at a time
// through the operator's order address, which "Lähetä rivi" hands to the browser. The window
// reads the main window's bet through a callback each time it takes rows or the system, and
// says when play ends; the main window stays hidden meanwhile.
#include "core/betsnapshot.h"
#include "net/netplayqueue.h"
#include <QWidget>
#include <functional>
#include <memory>

class InstanceCheck;
class UrlOpener;

namespace Ui {
class frmOnNet;
}

class frmOnNet : public QWidget
{
    Q_OBJECT
public:
    // Takes the rows or the system at once, by the tab the main window shows.
    frmOnNet(std::function<BetSnapshot()> state, UrlOpener& opener, QWidget* parent = nullptr);
    ~frmOnNet() override;

    // False, after telling the player why, while another copy of the program runs: two copies
    // would play the same bets twice.
    static bool mayOpen(QWidget* parent, InstanceCheck& check);

signals:
    // "Lopeta" or the window's own close control: the main window shows itself again.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdLaheta_Click();
    void cmdNextRivi_Click();
    void cmdHylkaaRivi_Click();
    void cmdSysteemi_Click();
    void cmdRivit_Click();
    void cmdLopeta_Click();

private:
    void Form_Load();
    void HaeRivit();
    void HaeSysteemiRivit();
    void SeuraavaRivi();
    void showTaken();
    std::optional<OrderAddress> orderAddress(const BetSnapshot& state);

    std::unique_ptr<Ui::frmOnNet> ui;
    std::function<BetSnapshot()> m_state;
    UrlOpener& m_opener;
    NetPlayQueue m_queue;
};
