#include "ui/frmAbout.h"
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {
const QString AppTitle = QStringLiteral("Sarvento");
const QString Section = QStringLiteral("Rekisteri");
} // namespace

frmAbout::frmAbout(StartupSettings& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmAbout"));
    auto* layout = new QGridLayout(this);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);

    auto* lblTitle = new QLabel(AppTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    layout->addWidget(lblTitle, 0, 1);

    auto* lblDisclaimer = new QLabel(
        QStringLiteral("HUOMAUTUS: TEKIJÄ EI OLE MISSÄÄN VASTUUSSA TÄMÄN OHJELMAN\r\n"
                       "AIHEUTTAMISTA FYYSISISTÄ, HENKISISTÄ TAI SOSIAALISISTA MENETYKSISTÄ.\r\n"
                       "OHJELMAN KÄYTTÖ TAPAHTUU AINA KÄYTTÄJÄN OMALLA VASTUULLA"),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    layout->addWidget(lblDisclaimer, 1, 1);

    auto* lblTekija = new QLabel(QStringLiteral("Tekijä: Sarvento-kehittäjät"), this);
    lblTekija->setObjectName(QStringLiteral("lblTekija"));
    layout->addWidget(lblTekija, 2, 1);
    auto* Label1 = new QLabel(QStringLiteral("Palaute: ohjelman kotisivun kautta"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1, 3, 1);

    auto* buttons = new QHBoxLayout;
    cmdHyvaksyn = new QPushButton(QStringLiteral("HYVÄKSYN"), this);
    cmdHyvaksyn->setObjectName(QStringLiteral("cmdHyvaksyn"));
    cmdEnHyvaksy = new QPushButton(QStringLiteral("EN HYVÄKSY"), this);
    cmdEnHyvaksy->setObjectName(QStringLiteral("cmdEnHyvaksy"));
    cmdOK = new QPushButton(QStringLiteral("Peliin"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    chkAlaNayta = new QCheckBox(QStringLiteral("Älä näytä"), this);
    chkAlaNayta->setObjectName(QStringLiteral("chkAlaNayta"));
    buttons->addWidget(chkAlaNayta);
    buttons->addStretch();
    buttons->addWidget(cmdHyvaksyn);
    buttons->addWidget(cmdEnHyvaksy);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons, 4, 0, 1, 2);

    for (QPushButton* button : {cmdHyvaksyn, cmdEnHyvaksy, cmdOK})
        button->setAutoDefault(false);
    connect(cmdHyvaksyn, &QPushButton::clicked, this, &frmAbout::cmdHyvaksyn_Click);
    connect(cmdEnHyvaksy, &QPushButton::clicked, this, &frmAbout::cmdEnHyvaksy_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(chkAlaNayta, &QCheckBox::toggled, this, &frmAbout::chkAlaNayta_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + AppTitle);
    cmdOK->setEnabled(false);
    chkAlaNayta->setEnabled(false);
    if (m_state.skipNotice) {
        chkAlaNayta->setChecked(true);
        chkAlaNayta->setEnabled(true);
    }
    if (m_state.accepted) {
        cmdHyvaksyn->setEnabled(false);
        cmdOK->setEnabled(true);
        chkAlaNayta->setEnabled(true);
    }
}

void frmAbout::cmdHyvaksyn_Click()
{
    m_state.accepted = true;
    chkAlaNayta->setEnabled(true);
    cmdOK->setEnabled(true);
    SettingsStore::write(Section, QStringLiteral("Hyvaksy"), SettingsStore::boolText(true));
}

void frmAbout::cmdEnHyvaksy_Click()
{
    m_state.accepted = false;
    SettingsStore::write(Section, QStringLiteral("Hyvaksy"), SettingsStore::boolText(false));
    chkAlaNayta->setChecked(false);
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
    SettingsStore::write(Section, QStringLiteral("AlaNaytaInfoa"), SettingsStore::boolText(ticked));
}
