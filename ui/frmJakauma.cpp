#include "ui/frmJakauma.h"
#include "core/numbers.h"
#include "settings/distributionsettings.h"
#include "ui/dialogs.h"
#include "ui/scoremap.h"
#include "ui/texts.h"
#include "ui/ui_frmJakauma.h"
#include "ui/wholetextfocus.h"
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {
QString numbered(const char* name, int match)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(match);
}

// Larger files are no stake table.
constexpr qint64 LargestFile = 1 << 20;
} // namespace

frmJakauma::frmJakauma(int columnCount, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmJakauma>()),
      m_columnCount(columnCount == 2 ? 2 : 3)
{
    ui->setupUi(this);
    for (int match = 1; match <= 3; ++match)
        buildMatch(match);
    m_matches[2].frame->setVisible(m_columnCount == 3);
    connect(ui->cmdKaytaJakauma, &QPushButton::clicked, this, &frmJakauma::cmdKaytaJakauma_Click);
    connect(ui->cmdAvaaJakauma, &QPushButton::clicked, this, &frmJakauma::cmdAvaaJakauma_Click);
    m_inUse = DistributionSettings::load();
    showTexts(m_inUse);
    reread();
}

frmJakauma::~frmJakauma() = default;

void frmJakauma::buildMatch(int match)
{
    MatchControls& controls = m_matches[size_t(match - 1)];
    controls.frame = new QGroupBox(QStringLiteral("%1. Kohde").arg(match), this);
    controls.frame->setObjectName(numbered("fraJakauma", match));
    auto* layout = new QVBoxLayout(controls.frame);
    controls.table = new QPlainTextEdit(controls.frame);
    controls.table->setObjectName(numbered("txtJakauma", match));
    controls.table->setTabChangesFocus(true);
    controls.table->setPlaceholderText(QStringLiteral("1-0 12,3 %\n0-0 8,1 %\n...\nmuu 20,5 %"));
    controls.table->setMaximumHeight(150);
    layout->addWidget(controls.table);
    controls.sum = new QLabel(controls.frame);
    controls.sum->setObjectName(numbered("lblJakaumaSumma", match));
    controls.sum->setTextFormat(Qt::PlainText);
    controls.sum->setWordWrap(true);
    layout->addWidget(controls.sum);
    // The sum follows the typing, so a pasted table is checked before it is put in use.
    connect(controls.table, &QPlainTextEdit::textChanged, this,
            [this, match] { showSum(match - 1); });

    auto* map = ScoreMap::make(controls.frame, numbered("tblArvo", match));
    controls.map = map;
    layout->addWidget(map);
    ui->layoutKohteet->addWidget(controls.frame);
}

DistributionTexts frmJakauma::typedTexts() const
{
    DistributionTexts texts;
    for (size_t m = 0; m < 3; ++m)
        texts.tables[m] = m_matches[m].table->toPlainText();
    texts.pool = {ui->txtVaihto->text(), ui->txtPalautus->text(), ui->txtPotti->text()};
    return texts;
}

void frmJakauma::showTexts(const DistributionTexts& texts)
{
    for (size_t m = 0; m < 3; ++m)
        m_matches[m].table->setPlainText(texts.tables[m]);
    ui->txtVaihto->setText(texts.pool.total);
    ui->txtPalautus->setText(texts.pool.returned);
    ui->txtPotti->setText(texts.pool.jackpot);
}

void frmJakauma::reread()
{
    m_read = readDistribution(m_inUse, m_columnCount);
    ui->lblEiMallia->setVisible(!m_model);
    for (int match = 0; match < 3; ++match)
        showMatch(match);
}

void frmJakauma::showMatch(int match)
{
    MatchControls& controls = m_matches[size_t(match)];
    const Distribution* in = m_read.distribution ? &*m_read.distribution : nullptr;
    const bool listed = in && match < int(in->tables.size());
    showSum(match);
    const bool shown = listed && m_model && match < m_model->matchCount();
    std::vector<double> shares;
    if (shown)
        shares = StakeShares::shareCells(in->tables[size_t(match)], m_model->match(match));
    for (int home = 0; home < ScoreMap::Goals; ++home)
        for (int away = 0; away < ScoreMap::Goals; ++away) {
            QTableWidgetItem* cell = controls.map->item(home, away);
            if (!shown) {
                cell->setText(QString());
                cell->setToolTip(QString());
                cell->setData(Qt::BackgroundRole, QVariant());
                continue;
            }
            const double p = m_model->match(match).at(home, away);
            const double share = shares[size_t(home * MatchScores::Goals + away)];
            // Nobody played it: any chance is underplayed.
            const double ratio = share > 0 ? p / share : (p > 0 ? INFINITY : 1);
            cell->setText(std::isinf(ratio) ? QStringLiteral("∞")
                                            : formatDecimal(ratio, 1, QLocale()));
            cell->setToolTip(QStringLiteral("%1-%2: todennäköisyys %3 %, pelattu %4 %")
                                 .arg(home)
                                 .arg(away)
                                 .arg(formatDecimal(p * 100, 2, QLocale()),
                                      formatDecimal(share * 100, 2, QLocale())));
            cell->setData(Qt::BackgroundRole,
                          ratio > 1 ? QVariant(QColor(190, 235, 190)) : QVariant());
        }
}

void frmJakauma::showSum(int match)
{
    MatchControls& controls = m_matches[size_t(match)];
    const QString typed = controls.table->toPlainText();
    if (typed.trimmed().isEmpty()) {
        controls.sum->clear();
        return;
    }
    const ShareTableRead read = StakeShares::readTable(typed);
    controls.sum->setText(read.table ? StakeShares::sumText(*read.table) : read.error);
}

void frmJakauma::focusFault(const DistributionRead& read)
{
    if (read.errorMatch > 0) {
        m_matches[size_t(read.errorMatch - 1)].table->setFocus();
        return;
    }
    QLineEdit* boxes[] = {ui->txtVaihto, ui->txtPalautus, ui->txtPotti};
    if (read.poolField >= 0 && read.poolField < 3)
        focusWholeText(boxes[read.poolField]);
}

void frmJakauma::setModel(std::shared_ptr<const ScoreModel> model)
{
    m_model = std::move(model);
    reread();
}

void frmJakauma::setColumnCount(int columnCount)
{
    columnCount = columnCount == 2 ? 2 : 3;
    if (columnCount == m_columnCount)
        return;
    m_columnCount = columnCount;
    m_matches[2].frame->setVisible(columnCount == 3);
    reread();
    emit distributionChanged();
}

void frmJakauma::cmdKaytaJakauma_Click()
{
    const DistributionTexts texts = typedTexts();
    DistributionRead read = readDistribution(texts, m_columnCount);
    if (!read.distribution) {
        MessageBox::show(this, Texts::AppTitle, read.error, MessageBox::Exclamation);
        focusFault(read);
        return;
    }
    m_inUse = texts;
    DistributionSettings::store(m_inUse);
    reread();
    emit distributionChanged();
}

void frmJakauma::cmdAvaaJakauma_Click()
{
    const QString path = FileDialog::getOpenFileName(this, QString());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestFile) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Tiedostoa %1 ei voi lukea pelijakaumaksi.").arg(path),
                         MessageBox::Exclamation);
        return;
    }
    const StakeShares::FileRead read = StakeShares::readFile(QString::fromUtf8(file.readAll()));
    if (!read.tables) {
        MessageBox::show(this, Texts::AppTitle, read.error, MessageBox::Exclamation);
        return;
    }
    for (int m = 0; m < m_columnCount; ++m)
        if ((*read.tables)[size_t(m)].isEmpty()) {
            MessageBox::show(this, Texts::AppTitle,
                             QStringLiteral("Tiedostossa ei ole kohteen %1 jakaumaa.").arg(m + 1),
                             MessageBox::Exclamation);
            return;
        }
    // Into the boxes, to be put in use with the pool's figures by "Käytä".
    for (size_t m = 0; m < 3; ++m)
        m_matches[m].table->setPlainText((*read.tables)[m]);
}
