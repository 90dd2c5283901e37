#pragma once
#include "settings/settingsstore.h"
#include <QDialog>

class QCheckBox;
class QPushButton;

// The liability notice. The player accepts it once; "Älä näytä" then skips it at start.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // state is the main window's copy of the stored switches; the buttons update it and the store.
    explicit frmAbout(StartupSettings& state, QWidget* parent = nullptr);

    bool refused() const { return m_refused; }

private slots:
    void cmdHyvaksyn_Click();
    void cmdEnHyvaksy_Click();
    void cmdOK_Click();
    void chkAlaNayta_Click(bool ticked);

private:
    void Form_Load();

    StartupSettings& m_state;
    bool m_refused = false;
    QPushButton* cmdHyvaksyn;
    QPushButton* cmdEnHyvaksy;
    QPushButton* cmdOK;
    QCheckBox* chkAlaNayta;
};
