#pragma once
#include "settings/settingsstore.h"
#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

// The liability notice. The player accepts it once; "Älä näytä" then skips it at start.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // state is the main window's copy of the stored switches; the buttons update it and the store.
    explicit frmAbout(StartupSettings& state, QWidget* parent = nullptr);
    ~frmAbout() override;

    bool refused() const { return m_refused; }

private slots:
    void cmdHyvaksyn_Click();
    void cmdEnHyvaksy_Click();
    void cmdOK_Click();
    void chkAlaNayta_Click(bool ticked);

private:
    void Form_Load();

    std::unique_ptr<Ui::frmAbout> ui;
    StartupSettings& m_state;
    bool m_refused = false;
};
