#include "ui/frmTarkista.h"
#include "core/resultcheck.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/texts.h"
#include "ui/ui_frmTarkista.h"
#include "ui/wholetextfocus.h"

frmTarkista::frmTarkista(const RowListModel& rows, const BetSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmTarkista>()), m_rows(rows),
      m_settings(settings)
{
    ui->setupUi(this);
    // The example follows the list's width, also when it switches while the window is open.
    showExample(m_settings.columnCount());
    connect(&m_settings, &BetSettings::columnCountChanged, this, &frmTarkista::showExample);
    connect(ui->cmdTarkista, &QPushButton::clicked, this, &frmTarkista::cmdTarkista_Click);
    connect(ui->txtTulos, &QLineEdit::returnPressed, this, &frmTarkista::cmdTarkista_Click);
}

frmTarkista::~frmTarkista() = default;

void frmTarkista::showExample(int columns)
{
    ui->txtTulos->setPlaceholderText(columns == 2 ? QStringLiteral("1-2 0-1")
                                                  : QStringLiteral("1-2 0-1 2-0"));
}

void frmTarkista::cmdTarkista_Click()
{
    const int columns = m_settings.columnCount();
    const std::optional<ScoreRow> finalScores = readFinalScores(ui->txtTulos->text(), columns);
    if (!finalScores) {
        // The counts beside a refused text would be read as its own.
        ui->lblOsumat->clear();
        MessageBox::show(this, Texts::AppTitle, finalScoresErrorText(columns),
                         MessageBox::Exclamation);
        focusWholeText(ui->txtTulos);
        return;
    }
    // Only the rows the list shows: a draw may have staged more that are not listed yet.
    const ResultCheck check =
        checkResult(*finalScores, m_rows.rows().data(), size_t(m_rows.count()));
    ui->lblOsumat->setText(resultCheckText(check));
    if (check.firstWinning >= 0)
        emit winningRowFound(check.firstWinning);
}
