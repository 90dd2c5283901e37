#include "ui/frmOnNet.h"
#include "core/money.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/instancecheck.h"
#include "ui/texts.h"
#include "ui/ui_frmOnNet.h"
#include "ui/urlopener.h"
#include <QCloseEvent>

namespace {

QString configuredHost()
{
    const QString host =
        SettingsStore::read(SettingsKeys::Verkko, SettingsKeys::Palvelin).trimmed();
    return host.isEmpty() ? QString(OrderAddress::DefaultHost) : host;
}

// The host as the player can read it: control and invisible characters as \uXXXX, and no
// screenful of a setting gone wrong.
QString shownHost(const QString& host)
{
    constexpr qsizetype Longest = 100;
    QString shown;
    for (QChar c : host.left(Longest)) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (host.size() > Longest)
        shown += QChar(0x2026);
    return shown;
}

QString refusedText(int refused, int columnCount)
{
    if (refused == 1)
        return QStringLiteral("1 rivi jäi pois verkkopelistä, koska siinä ei ole %1 kohdetta.")
            .arg(columnCount);
    return QStringLiteral("%1 riviä jäi pois verkkopelistä, koska niissä ei ole %2 kohdetta.")
        .arg(refused)
        .arg(columnCount);
}
} // namespace

frmOnNet::frmOnNet(std::function<BetSnapshot()> state, UrlOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), ui(new Ui::frmOnNet),
      m_state(std::move(state)), m_opener(opener)
{
    ui->setupUi(this);
    ui->lblRivi->setTextFormat(Qt::PlainText); // row texts are data, never markup
    move(250, 250);

    connect(ui->cmdLaheta, &QPushButton::clicked, this, &frmOnNet::cmdLaheta_Click);
    connect(ui->cmdNextRivi, &QPushButton::clicked, this, &frmOnNet::cmdNextRivi_Click);
    connect(ui->cmdHylkaaRivi, &QPushButton::clicked, this, &frmOnNet::cmdHylkaaRivi_Click);
    connect(ui->cmdSysteemi, &QPushButton::clicked, this, &frmOnNet::cmdSysteemi_Click);
    connect(ui->cmdRivit, &QPushButton::clicked, this, &frmOnNet::cmdRivit_Click);
    connect(ui->cmdLopeta, &QPushButton::clicked, this, &frmOnNet::cmdLopeta_Click);

    Form_Load();
}

frmOnNet::~frmOnNet() = default;

bool frmOnNet::mayOpen(QWidget* parent, InstanceCheck& check)
{
    if (!check.otherCopyRunning())
        return true;
    MessageBox::show(parent, Texts::AppTitle,
                     QStringLiteral("Toinen Sarvento-ohjelma on jo käynnissä. Verkkopeliä voi "
                                    "pelata vain yhdestä ohjelmasta kerrallaan."),
                     MessageBox::Exclamation);
    return false;
}

void frmOnNet::Form_Load()
{
    const BetSnapshot state = m_state();
    setWindowTitle(QStringLiteral("Sarvento OnNet   PELINUMERO: %1  Panos: %2 €  Pelin hinta: %3 €")
                       .arg(state.gameNumber)
                       .arg(Money::formatCents(state.stakePerRowCents), state.priceText));
    if (state.systemTabShown && state.systemSize != 0)
        HaeSysteemiRivit();
    else
        HaeRivit();
}

std::optional<OrderAddress> frmOnNet::orderAddress(const BetSnapshot& state)
{
    const QString host = configuredHost();
    std::optional<OrderAddress> address =
        OrderAddress::make(host, state.gameNumber, state.stakePerRowCents, state.columnCount);
    if (!address)
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Verkkopelin palvelimen nimi \"%1\" ei kelpaa. Korjaa "
                                        "asetus %2 / %3.")
                             .arg(shownHost(host), SettingsKeys::Verkko, SettingsKeys::Palvelin),
                         MessageBox::Exclamation);
    return address;
}

void frmOnNet::HaeRivit()
{
    const BetSnapshot state = m_state();
    if (state.rowCount() == 0)
        return;
    const std::optional<OrderAddress> address = orderAddress(state);
    if (!address)
        return;
    const NetPlayQueue::Taken taken = m_queue.takeRows(state.rows->rows(), *address);
    if (taken.refused > 0)
        MessageBox::show(this, Texts::AppTitle, refusedText(taken.refused, state.columnCount),
                         MessageBox::Exclamation);
    if (taken.queued > 0)
        showTaken();
}

void frmOnNet::HaeSysteemiRivit()
{
    const BetSnapshot state = m_state();
    const std::optional<OrderAddress> address = orderAddress(state);
    if (address && m_queue.takeSystem(state.grid, *address))
        showTaken();
}

void frmOnNet::showTaken()
{
    ui->lblRivi->setText(m_queue.progressText());
    ui->cmdHylkaaRivi->setEnabled(true);
    ui->cmdLaheta->setEnabled(true);
    ui->cmdRivit->setEnabled(false);
    ui->cmdSysteemi->setEnabled(false);
    ui->cmdLaheta->setFocus();
}

void frmOnNet::SeuraavaRivi()
{
    if (m_queue.isPlaying()) {
        ui->lblRivi->setText(m_queue.progressText());
        ui->cmdLaheta->setFocus();
    } else {
        ui->cmdHylkaaRivi->setEnabled(false);
        ui->cmdLaheta->setEnabled(false);
        ui->cmdNextRivi->setEnabled(false);
        ui->lblRivi->clear();
        ui->cmdRivit->setEnabled(true);
        ui->cmdSysteemi->setEnabled(true);
    }
    // Taking again makes sense only where the main window still has something to take.
    const BetSnapshot state = m_state();
    if (state.rowCount() < 1)
        ui->cmdRivit->setEnabled(false);
    if (state.systemSize < 1)
        ui->cmdSysteemi->setEnabled(false);
}

void frmOnNet::cmdLaheta_Click()
{
    ui->cmdNextRivi->setEnabled(true);
    const QUrl url = m_queue.currentAddress();
    if (url.isEmpty())
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Ei lähetettävää riviä: hae ensin rivit tai järjestelmä."),
                         MessageBox::Information);
    else if (!OrderAddress::mayOpen(url, configuredHost()))
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Osoite ei ole verkkopelin palvelimella, joten sitä ei "
                                        "avata:\n%1")
                             .arg(url.toString()),
                         MessageBox::Critical);
    else if (!m_opener.open(url))
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Selain ei avannut osoitetta. Yritä uudelleen."),
                         MessageBox::Exclamation);
    ui->cmdNextRivi->setFocus();
}

void frmOnNet::cmdNextRivi_Click()
{
    m_queue.advance();
    SeuraavaRivi();
}

void frmOnNet::cmdHylkaaRivi_Click()
{
    m_queue.advance();
    SeuraavaRivi();
    if (ui->cmdLaheta->isEnabled())
        ui->cmdLaheta->setFocus();
}

void frmOnNet::cmdSysteemi_Click()
{
    HaeSysteemiRivit();
}

void frmOnNet::cmdRivit_Click()
{
    HaeRivit();
}

void frmOnNet::cmdLopeta_Click()
{
    close();
}

void frmOnNet::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit finished();
}
