#include "ui/frmReunukset.h"
#include "print/printoffset.h"
#include "print/printrun.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/printerchoice.h"
#include "ui/texts.h"
#include "ui/ui_frmReunukset.h"
#include <QMouseEvent>
#include <QPrinter>

frmReunukset::frmReunukset(PrinterChoice& printers, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmReunukset>()), m_printers(printers)
{
    ui->setupUi(this);
    connect(ui->txtVaakaReuna, &QLineEdit::textChanged, this, &frmReunukset::txtReuna_Change);
    connect(ui->txtPystyReuna, &QLineEdit::textChanged, this, &frmReunukset::txtReuna_Change);
    connect(ui->cmdOletus, &QPushButton::clicked, this, &frmReunukset::cmdOletus_Click);
    connect(ui->cmdAsetaReunat, &QPushButton::clicked, this, &frmReunukset::cmdAsetaReunat_Click);
    connect(ui->cmdKoearkki, &QPushButton::clicked, this, &frmReunukset::cmdKoearkki_Click);
    ui->txtVaakaReuna->installEventFilter(this);
    ui->txtPystyReuna->installEventFilter(this);
    Form_Load();
}

frmReunukset::~frmReunukset() = default;

void frmReunukset::Form_Load()
{
    // Shown in the player's own number format, whichever separator it was stored with; a
    // value that is no number is shown as it is, so that the player sees what to mend.
    for (auto [box, key] : {std::pair{ui->txtVaakaReuna, SettingsKeys::VaakaReuna},
                            std::pair{ui->txtPystyReuna, SettingsKeys::PystyReuna}}) {
        const QString stored = SettingsStore::read(SettingsKeys::Tulostus, key);
        const std::optional<double> mm = PrintOffsets::parse(stored);
        box->setText(mm ? PrintOffsets::format(*mm) : stored);
    }
    txtReuna_Change();
}

bool frmReunukset::eventFilter(QObject* watched, QEvent* event)
{
    // Maalaa: a click into a box selects all of it, so that typing replaces the value.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

void frmReunukset::txtReuna_Change()
{
    ui->cmdAsetaReunat->setEnabled(PrintOffsets::parse(ui->txtVaakaReuna->text()) &&
                                   PrintOffsets::parse(ui->txtPystyReuna->text()));
}

void frmReunukset::cmdOletus_Click()
{
    const QString zero = QLatin1Char('0') + QLocale().decimalPoint() + QLatin1Char('0');
    ui->txtVaakaReuna->setText(zero);
    ui->txtPystyReuna->setText(zero);
}

void frmReunukset::cmdAsetaReunat_Click()
{
    const auto vaaka = PrintOffsets::parse(ui->txtVaakaReuna->text());
    const auto pysty = PrintOffsets::parse(ui->txtPystyReuna->text());
    if (!vaaka || !pysty)
        return;
    SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna,
                         PrintOffsets::storedText(*vaaka));
    SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna,
                         PrintOffsets::storedText(*pysty));
    accept();
}

void frmReunukset::cmdKoearkki_Click()
{
    // The sheet shows the shift in the boxes, so that it can be tried before it is stored.
    const PrintOffset offset =
        PrintOffsets::fromStored(ui->txtVaakaReuna->text(), ui->txtPystyReuna->text());
    std::unique_ptr<QPrinter> printer =
        m_printers.choose(this, QStringLiteral("Koearkki"), PrinterChoice::Coupons);
    if (!printer)
        return;
    PrinterTarget target(*printer, false, this);
    const PrintRun::Result result = PrintRun::calibrationSheet(target, offset);
    if (result.end == PrintRun::End::OffPage)
        MessageBox::show(
            this, Texts::AppTitle,
            Texts::offPage(PrintOffsets::format(offset.y), PrintOffsets::format(offset.x)),
            MessageBox::Exclamation);
    else if (result.end == PrintRun::End::Failed)
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Koearkin tulostus epäonnistui. ") + target.failure(),
                         MessageBox::Critical);
}
