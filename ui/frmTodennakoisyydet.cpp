#include "ui/frmTodennakoisyydet.h"
#include "core/bestrowscount.h"
#include "core/chance.h"
#include "core/numbers.h"
#include "settings/modelsettings.h"
#include "ui/dialogs.h"
#include "ui/scoremap.h"
#include "ui/texts.h"
#include "ui/ui_frmTodennakoisyydet.h"
#include "ui/wholetextfocus.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>

namespace {
// The boxes of a match in MatchField order: their names before "_k" and their texts.
struct Box
{
    const char* name;
    QString MatchInputTexts::*text;
};
constexpr Box Boxes[] = {{"txtKerroin1", &MatchInputTexts::home},
                         {"txtKerroinX", &MatchInputTexts::draw},
                         {"txtKerroin2", &MatchInputTexts::away},
                         {"txtYli", &MatchInputTexts::over},
                         {"txtAlle", &MatchInputTexts::under},
                         {"txtOdotusKoti", &MatchInputTexts::homeGoals},
                         {"txtOdotusVieras", &MatchInputTexts::awayGoals}};

QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString numbered(const char* name, int match)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(match);
}

// The heat of a cell: white for no chance, deep orange for the likeliest score.
QColor heat(double share)
{
    return QColor(255, 255 - int(90 * share), 255 - int(200 * share));
}

QString percentOf(double share)
{
    return formatDecimal(share * 100, 1, QLocale()) + QStringLiteral(" %");
}

// What the player should look at again in odds that were taken: a book no bookmaker makes, 1X2
// and over/under that no one model meets, and a likeliest score beyond the map.
QStringList warnings(const MatchInput& input, const MatchScores& scores, int heatGoals)
{
    QStringList lines;
    auto outside = [](double book) {
        return book < MatchInput::LeastBook || book > MatchInput::MostBook;
    };
    const QString usual = QStringLiteral(" (tavallisesti 100–130 %): onko jokin kerroin "
                                         "kirjoitettu väärin?");
    if (input.bookImplausible() && outside(input.book))
        lines << QStringLiteral("Kertoimien 1, X ja 2 käänteislukujen summa on ") +
                     percentOf(input.book) + usual;
    if (input.bookImplausible() && input.overUnderBook && outside(*input.overUnderBook))
        lines << QStringLiteral("Yli/alle 2,5 -kertoimien käänteislukujen summa on ") +
                     percentOf(*input.overUnderBook) + usual;
    if (input.oddsDisagree())
        lines << QStringLiteral("Kertoimet 1X2 ja yli/alle 2,5 eivät sovi yhteen: malli poikkeaa "
                                "kertoimista enimmillään %1 prosenttiyksikköä.")
                     .arg(formatDecimal(input.largestMiss * 100, 1, QLocale()));
    const auto [home, away] = scores.likeliest();
    if (home >= heatGoals || away >= heatGoals)
        lines << QStringLiteral("Todennäköisin tulos %1-%2 (%3) on taulukon ulkopuolella.")
                     .arg(home)
                     .arg(away)
                     .arg(Chance::percentText(scores.at(home, away)));
    return lines;
}
} // namespace

frmTodennakoisyydet::frmTodennakoisyydet(int columnCount, std::function<qint64()> stakeCents,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmTodennakoisyydet>()),
      m_stakeCents(std::move(stakeCents)), m_columnCount(columnCount == 2 ? 2 : 3)
{
    ui->setupUi(this);
    for (int match = 1; match <= 3; ++match)
        buildMatch(match);
    m_matches[2].frame->setVisible(m_columnCount == 3);
    connect(ui->cmdKayta, &QPushButton::clicked, this, &frmTodennakoisyydet::cmdKayta_Click);
    connect(ui->cmdTyhjenna, &QPushButton::clicked, this, &frmTodennakoisyydet::cmdTyhjenna_Click);
    connect(ui->cmdParhaatRivit, &QPushButton::clicked, this,
            &frmTodennakoisyydet::cmdParhaatRivit_Click);
    connect(ui->cmdArvorivit, &QPushButton::clicked, this,
            &frmTodennakoisyydet::cmdArvorivit_Click);

    m_inUse = ModelSettings::load();
    showTexts(m_inUse);
    remake();
}

frmTodennakoisyydet::~frmTodennakoisyydet() = default;

void frmTodennakoisyydet::buildMatch(int match)
{
    MatchControls& controls = m_matches[size_t(match - 1)];
    auto* frame = new QGroupBox(QStringLiteral("%1. Kohde").arg(match), this);
    frame->setObjectName(numbered("fraKohde", match));
    controls.frame = frame;
    auto* grid = new QGridLayout(frame);
    const QString heads[] = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2"),
                             QStringLiteral("Yli 2,5"), QStringLiteral("Alle 2,5")};
    for (int i = 0; i < 7; ++i) {
        controls.boxes[size_t(i)] = new QLineEdit(frame);
        controls.boxes[size_t(i)]->setObjectName(numbered(Boxes[i].name, match));
    }
    // The odds in a row under their heads, the expected goals below, each after its head.
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(heads[i], frame), 0, i, Qt::AlignHCenter);
        grid->addWidget(controls.boxes[size_t(i)], 1, i);
    }
    grid->addWidget(new QLabel(QStringLiteral("Koti"), frame), 3, 0, Qt::AlignRight);
    grid->addWidget(controls.boxes[5], 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vieras"), frame), 3, 2, Qt::AlignRight);
    grid->addWidget(controls.boxes[6], 3, 3);
    controls.boxes[0]->setToolTip(QStringLiteral("Kertoimet desimaalimuodossa, esim. 2,15"));
    grid->addWidget(new QLabel(QStringLiteral("tai odotetut maalit"), frame), 2, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Mallin maalit"), frame), 4, 0, 1, 2);
    controls.goals = plainLabel(numbered("lblOdotus", match), frame);
    grid->addWidget(controls.goals, 4, 2, 1, 3);
    controls.model = plainLabel(numbered("lblMalli", match), frame);
    grid->addWidget(controls.model, 5, 0, 1, 5);
    controls.odds = plainLabel(numbered("lblKertoimet", match), frame);
    grid->addWidget(controls.odds, 6, 0, 1, 5);
    controls.warning = plainLabel(numbered("lblVaroitus", match), frame);
    controls.warning->setWordWrap(true);
    controls.warning->setStyleSheet(QStringLiteral("color: #a01010"));
    grid->addWidget(controls.warning, 7, 0, 1, 5);
    controls.scores = ScoreMap::make(frame, numbered("tblTulokset", match));
    grid->addWidget(controls.scores, 8, 0, 1, 5);
    ui->layoutKohteet->addWidget(frame);
}

ModelInputTexts frmTodennakoisyydet::typedTexts() const
{
    ModelInputTexts texts;
    for (size_t m = 0; m < 3; ++m)
        for (size_t i = 0; i < 7; ++i)
            texts.matches[m].*Boxes[i].text = m_matches[m].boxes[i]->text();
    texts.rho = ui->txtRho->text();
    return texts;
}

void frmTodennakoisyydet::showTexts(const ModelInputTexts& texts)
{
    for (size_t m = 0; m < 3; ++m)
        for (size_t i = 0; i < 7; ++i)
            m_matches[m].boxes[i]->setText(texts.matches[m].*Boxes[i].text);
    ui->txtRho->setText(texts.rho);
}

void frmTodennakoisyydet::remake()
{
    m_input = readModelInput(m_inUse, m_columnCount);
    showModel();
}

void frmTodennakoisyydet::showModel()
{
    for (int match = 0; match < 3; ++match)
        showMatch(match);
}

void frmTodennakoisyydet::showMatch(int match)
{
    MatchControls& controls = m_matches[size_t(match)];
    const bool shown = m_input.ok() && match < m_input.model->matchCount();
    const MatchScores* scores = shown ? &m_input.model->match(match) : nullptr;
    controls.goals->setText(shown ? expectedGoalsText(scores->expectedGoals()) : QString());
    controls.model->setText(shown ? modelOutcomeText(*scores) : QString());
    controls.odds->setText(shown ? oddsOutcomeText(m_input.matches[size_t(match)]) : QString());
    controls.warning->setText(
        shown ? warnings(m_input.matches[size_t(match)], *scores, ScoreMap::Goals).join(u'\n')
              : QString());
    controls.warning->setVisible(!controls.warning->text().isEmpty());
    showHeatMap(controls, scores);
}

void frmTodennakoisyydet::showHeatMap(MatchControls& controls, const MatchScores* scores)
{
    const bool shown = scores != nullptr;
    // The likeliest within the map, so that one cell is always marked.
    const auto [bestHome, bestAway] =
        shown ? scores->likeliest(ScoreMap::Goals - 1) : std::pair{0, 0};
    const double top = shown ? scores->at(bestHome, bestAway) : 0;
    for (int home = 0; home < ScoreMap::Goals; ++home)
        for (int away = 0; away < ScoreMap::Goals; ++away) {
            QTableWidgetItem* cell = controls.scores->item(home, away);
            const bool likeliest = shown && home == bestHome && away == bestAway;
            QFont font = cell->font();
            font.setBold(likeliest);
            cell->setFont(font);
            if (!shown) {
                cell->setText(QString());
                cell->setToolTip(QString());
                cell->setData(Qt::BackgroundRole, QVariant());
                cell->setData(Qt::ForegroundRole, QVariant());
                continue;
            }
            const double p = scores->at(home, away);
            cell->setText(formatDecimal(p * 100, 1, QLocale()));
            cell->setToolTip(QStringLiteral("%1-%2: ").arg(home).arg(away) + Chance::chanceText(p));
            cell->setBackground(likeliest ? QColor(190, 40, 20) : heat(p / top));
            cell->setData(Qt::ForegroundRole, likeliest ? QVariant(QColor(Qt::white)) : QVariant());
        }
}

void frmTodennakoisyydet::focusFault(const ModelInput& input)
{
    if (input.rhoAtFault)
        focusWholeText(ui->txtRho);
    else if (input.errorMatch > 0)
        focusWholeText(m_matches[size_t(input.errorMatch - 1)]
                           .boxes[size_t(input.matches[size_t(input.errorMatch - 1)].field)]);
}

void frmTodennakoisyydet::setColumnCount(int columnCount)
{
    columnCount = columnCount == 2 ? 2 : 3;
    if (columnCount == m_columnCount)
        return;
    m_columnCount = columnCount;
    m_matches[2].frame->setVisible(columnCount == 3);
    remake();
    emit modelChanged(m_input.model);
}

void frmTodennakoisyydet::cmdKayta_Click()
{
    const ModelInputTexts texts = typedTexts();
    ModelInput input = readModelInput(texts, m_columnCount);
    if (!input.ok()) {
        MessageBox::show(this, Texts::AppTitle, input.error, MessageBox::Exclamation);
        focusFault(input);
        return;
    }
    m_inUse = texts;
    m_input = std::move(input);
    ModelSettings::store(m_inUse);
    showModel();
    emit modelChanged(m_input.model);
}

void frmTodennakoisyydet::cmdTyhjenna_Click()
{
    m_inUse = ModelInputTexts();
    showTexts(m_inUse);
    ModelSettings::store(m_inUse);
    remake();
    emit modelChanged(nullptr);
}

void frmTodennakoisyydet::cmdParhaatRivit_Click()
{
    if (!m_input.ok()) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Parhaat rivit lasketaan todennäköisyyksistä: anna ensin "
                                        "kertoimet tai odotetut maalimäärät ja paina Käytä."),
                         MessageBox::Exclamation);
        return;
    }
    const BestRowsCount wanted =
        readBestRowsCount(ui->txtParhaatLkm->text(), ui->txtBudjetti->text(), m_stakeCents());
    if (!wanted.count) {
        MessageBox::show(this, Texts::AppTitle, wanted.error, MessageBox::Exclamation);
        return;
    }
    emit bestRowsWanted(*wanted.count);
}

void frmTodennakoisyydet::cmdArvorivit_Click()
{
    if (!m_input.ok()) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Rivien arvo lasketaan todennäköisyyksistä: anna ensin "
                                        "kertoimet tai odotetut maalimäärät ja paina Käytä."),
                         MessageBox::Exclamation);
        return;
    }
    const BestRowsCount wanted =
        readBestRowsCount(ui->txtArvoLkm->text(), ui->txtArvoBudjetti->text(), m_stakeCents());
    if (!wanted.count) {
        MessageBox::show(this, Texts::AppTitle, wanted.error, MessageBox::Exclamation);
        return;
    }
    const QString leastText = ui->txtMinTod->text().trimmed();
    const std::optional<double> least =
        leastText.isEmpty() ? 0.0 : parseDecimal(leastText, QLocale());
    if (!least || !(*least >= 0 && *least <= 100)) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Pienin todennäköisyys annetaan prosentteina väliltä "
                                        "0–100; tyhjä ei rajaa rivejä."),
                         MessageBox::Exclamation);
        focusWholeText(ui->txtMinTod);
        return;
    }
    emit bestValueRowsWanted(*wanted.count, *least / 100);
}
