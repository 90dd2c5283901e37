#include "ui/frmAbout.h"
#include "settings/settingskeys.h"
#include "ui/texts.h"
#include "ui_frmAbout.h"
#include <QStyle>

namespace {
// Set here, not in the form: the form compiler would fold the CR LF line ends to LF.
const QString Disclaimer =
    QStringLiteral("HUOMAUTUS: TEKIJÄ EI OLE MISSÄÄN VASTUUSSA TÄMÄN OHJELMAN\r\n"
                   "AIHEUTTAMISTA FYYSISISTÄ, HENKISISTÄ TAI SOSIAALISISTA MENETYKSISTÄ.\r\n"
                   "OHJELMAN KÄYTTÖ TAPAHTUU AINA KÄYTTÄJÄN OMALLA VASTUULLA");
} // namespace

frmAbout::frmAbout(StartupSettings& state, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), m_state(state)
{
    ui->setupUi(this);
    // The style's icon follows the desktop theme, which a form file cannot name.
    ui->picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));

    connect(ui->cmdHyvaksyn, &QPushButton::clicked, this, &frmAbout::cmdHyvaksyn_Click);
    connect(ui->cmdEnHyvaksy, &QPushButton::clicked, this, &frmAbout::cmdEnHyvaksy_Click);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // toggled, not clicked: ticking the box on opening stores the flag again, as a click would.
    connect(ui->chkAlaNayta, &QCheckBox::toggled, this, &frmAbout::chkAlaNayta_Click);

    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + Texts::AppTitle);
    ui->lblTitle->setText(Texts::AppTitle);
    ui->lblDisclaimer->setText(Disclaimer);
    ui->cmdOK->setEnabled(false);
    ui->chkAlaNayta->setEnabled(false);
    if (m_state.skipNotice) {
        ui->chkAlaNayta->setChecked(true);
        ui->chkAlaNayta->setEnabled(true);
    }
    if (m_state.accepted) {
        ui->cmdHyvaksyn->setEnabled(false);
        ui->cmdOK->setEnabled(true);
        ui->chkAlaNayta->setEnabled(true);
    }
}

void frmAbout::cmdHyvaksyn_Click()
{
    m_state.accepted = true;
    ui->chkAlaNayta->setEnabled(true);
    ui->cmdOK->setEnabled(true);
    SettingsStore::write(SettingsKeys::Rekisteri, SettingsKeys::Hyvaksy,
                         SettingsStore::boolText(true));
}

void frmAbout::cmdEnHyvaksy_Click()
{
    m_state.accepted = false;
    SettingsStore::write(SettingsKeys::Rekisteri, SettingsKeys::Hyvaksy,
                         SettingsStore::boolText(false));
    ui->chkAlaNayta->setChecked(false);
    m_refused = true;
    reject();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::chkAlaNayta_Click(bool ticked)
{
    m_state.skipNotice = ticked;
    SettingsStore::write(SettingsKeys::Rekisteri, SettingsKeys::AlaNaytaInfoa,
                         SettingsStore::boolText(ticked));
}
