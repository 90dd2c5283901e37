#include "ui/frmTarkista.h"
#include "core/resultcheck.h"
#include "ui/dialogs.h"
#include "ui/texts.h"
#include "ui/ui_frmTarkista.h"
#include "ui/wholetextfocus.h"

frmTarkista::frmTarkista(const RowListModel& rows, std::function<int()> columnCount,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmTarkista>()), m_rows(rows),
      m_columnCount(std::move(columnCount))
{
    ui->setupUi(this);
    connect(ui->cmdTarkista, &QPushButton::clicked, this, &frmTarkista::cmdTarkista_Click);
    connect(ui->txtTulos, &QLineEdit::returnPressed, this, &frmTarkista::cmdTarkista_Click);
}

frmTarkista::~frmTarkista() = default;

void frmTarkista::showEvent(QShowEvent* event)
{
    // The example follows the list's width, which may have changed while the window was away.
    ui->txtTulos->setPlaceholderText(m_columnCount() == 2 ? QStringLiteral("1-2 0-1")
                                                          : QStringLiteral("1-2 0-1 2-0"));
    QWidget::showEvent(event);
}

void frmTarkista::cmdTarkista_Click()
{
    const int columns = m_columnCount();
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
