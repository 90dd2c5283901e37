#include "ui/frmKarsinta.h"
#include "core/chance.h"
#include "core/numbers.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include "settings/filtersettings.h"
#include "ui/progresswindow.h"
#include "ui/rowlisthistory.h"
#include "ui/texts.h"
#include "ui/ui_frmKarsinta.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPromise>
#include <QThreadPool>

namespace {
// A list this long shows a progress window that can stop the cut, if it takes long.
constexpr int ProgressFrom = 1'000'000;
// More rows remaining than this are not checked for copies each time a condition is typed.
constexpr qint64 ManyRemaining = 200'000;
// The tooltip a control has while it is not at fault.
const char* const NormalTip = "normalToolTip";

QString numbered(const char* name, int match)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(match);
}

void setNormalTip(QWidget* control, const QString& tip)
{
    control->setProperty(NormalTip, tip);
    control->setToolTip(tip);
}

void mark(QWidget* control, const QString& fault)
{
    if (fault.isEmpty()) {
        control->setStyleSheet(QString());
        control->setToolTip(control->property(NormalTip).toString());
    } else {
        control->setStyleSheet(QStringLiteral("background-color: #ffd0d0"));
        control->setToolTip(fault);
    }
}
} // namespace

frmKarsinta::frmKarsinta(RowListHistory& history, int columnCount, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmKarsinta>()), m_history(history),
      m_columnCount(columnCount == 2 ? 2 : 3)
{
    ui->setupUi(this);
    buildMatches();
    for (QLineEdit* box : boxes()) {
        if (box->property(NormalTip).isNull())
            setNormalTip(box, box->toolTip());
        connect(box, &QLineEdit::textChanged, &m_recount, qOverload<>(&QTimer::start));
    }
    for (const MatchControls& match : m_matches)
        for (QCheckBox* tick : match.outcomes)
            connect(tick, &QCheckBox::toggled, &m_recount, qOverload<>(&QTimer::start));
    connect(ui->optPida, &QRadioButton::toggled, &m_recount, qOverload<>(&QTimer::start));
    connect(ui->cmdKarsi, &QPushButton::clicked, this, &frmKarsinta::cmdKarsi_Click);

    connect(&m_copySearch, &QFutureWatcher<std::vector<bool>>::finished, this,
            &frmKarsinta::copiesFound);
    m_recount.setSingleShot(true);
    m_recount.setInterval(0);
    connect(&m_recount, &QTimer::timeout, this, &frmKarsinta::recount);
    // Ticks do not change what remains; every change of the rows does.
    const RowListModel& rows = m_history.rows();
    connect(&rows, &RowListModel::countChanged, this, &frmKarsinta::listChanged);
    connect(&rows, &QAbstractItemModel::rowsInserted, this, &frmKarsinta::listChanged);
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, &frmKarsinta::listChanged);
    connect(&rows, &QAbstractItemModel::modelReset, this, &frmKarsinta::listChanged);

    showTexts(FilterSettings::load());
    showModelBoxes();
    recount();
}

frmKarsinta::~frmKarsinta() = default;

void frmKarsinta::buildMatches()
{
    QGridLayout* grid = ui->gridKohteet;
    const QString heads[] = {QStringLiteral("1"),           QStringLiteral("X"),
                             QStringLiteral("2"),           QStringLiteral("Maalit väh."),
                             QStringLiteral("Maalit ent."), QStringLiteral("Ero väh."),
                             QStringLiteral("Ero ent.")};
    for (int i = 0; i < 7; ++i)
        grid->addWidget(new QLabel(heads[i], ui->fraKohteet), 0, i + 1, Qt::AlignHCenter);
    static const char* const outcomeNames[] = {"chkMerkki1", "chkMerkkiX", "chkMerkki2"};
    const QString outcomeTips[] = {QStringLiteral("Kotivoitto"), QStringLiteral("Tasapeli"),
                                   QStringLiteral("Vierasvoitto")};
    for (int k = 1; k <= 3; ++k) {
        MatchControls& match = m_matches[size_t(k - 1)];
        match.title = new QLabel(QStringLiteral("%1. kohde").arg(k), ui->fraKohteet);
        grid->addWidget(match.title, k, 0);
        for (int o = 0; o < 3; ++o) {
            auto* tick = new QCheckBox(ui->fraKohteet);
            tick->setObjectName(numbered(outcomeNames[o], k));
            setNormalTip(tick, outcomeTips[o]);
            match.outcomes[size_t(o)] = tick;
            grid->addWidget(tick, k, o + 1, Qt::AlignHCenter);
        }
        const auto box = [&](const char* name, int column, const QString& tip) {
            auto* edit = new QLineEdit(ui->fraKohteet);
            edit->setObjectName(numbered(name, k));
            edit->setMaximumWidth(60);
            setNormalTip(edit, tip);
            grid->addWidget(edit, k, column);
            return edit;
        };
        const QString goals = QStringLiteral("Kohteen maalit yhteensä (0–99)");
        const QString difference =
            QStringLiteral("Kotijoukkueen maalit miinus vierasjoukkueen (−99…99)");
        match.goalsMin = box("txtMaalitMin", 4, goals);
        match.goalsMax = box("txtMaalitMax", 5, goals);
        match.differenceMin = box("txtEroMin", 6, difference);
        match.differenceMax = box("txtEroMax", 7, difference);
    }
    setColumnCount(m_columnCount);
}

std::vector<QLineEdit*> frmKarsinta::boxes() const
{
    std::vector<QLineEdit*> all;
    for (const MatchControls& match : m_matches)
        all.insert(all.end(),
                   {match.goalsMin, match.goalsMax, match.differenceMin, match.differenceMax});
    all.insert(all.end(), {ui->txtRiviMaalitMin, ui->txtRiviMaalitMax, ui->txtKotivoitotMin,
                           ui->txtKotivoitotMax, ui->txtTasapelitMin, ui->txtTasapelitMax,
                           ui->txtVierasvoitotMin, ui->txtVierasvoitotMax, ui->txtKarsTodMin,
                           ui->txtKarsArvoMin});
    return all;
}

RowFilterTexts frmKarsinta::typedTexts() const
{
    RowFilterTexts texts;
    for (size_t m = 0; m < 3; ++m) {
        const MatchControls& controls = m_matches[m];
        RowFilterTexts::Match& match = texts.matches[m];
        for (size_t o = 0; o < 3; ++o)
            match.outcomes[o] = controls.outcomes[o]->isChecked();
        match.goalsMin = controls.goalsMin->text();
        match.goalsMax = controls.goalsMax->text();
        match.differenceMin = controls.differenceMin->text();
        match.differenceMax = controls.differenceMax->text();
    }
    texts.rowGoalsMin = ui->txtRiviMaalitMin->text();
    texts.rowGoalsMax = ui->txtRiviMaalitMax->text();
    texts.homeWinsMin = ui->txtKotivoitotMin->text();
    texts.homeWinsMax = ui->txtKotivoitotMax->text();
    texts.drawsMin = ui->txtTasapelitMin->text();
    texts.drawsMax = ui->txtTasapelitMax->text();
    texts.awayWinsMin = ui->txtVierasvoitotMin->text();
    texts.awayWinsMax = ui->txtVierasvoitotMax->text();
    texts.chanceMin = ui->txtKarsTodMin->text();
    texts.valueMin = ui->txtKarsArvoMin->text();
    texts.keep = ui->optPida->isChecked();
    return texts;
}

void frmKarsinta::showTexts(const RowFilterTexts& texts)
{
    for (size_t m = 0; m < 3; ++m) {
        const MatchControls& controls = m_matches[m];
        const RowFilterTexts::Match& match = texts.matches[m];
        for (size_t o = 0; o < 3; ++o)
            controls.outcomes[o]->setChecked(match.outcomes[o]);
        controls.goalsMin->setText(match.goalsMin);
        controls.goalsMax->setText(match.goalsMax);
        controls.differenceMin->setText(match.differenceMin);
        controls.differenceMax->setText(match.differenceMax);
    }
    ui->txtRiviMaalitMin->setText(texts.rowGoalsMin);
    ui->txtRiviMaalitMax->setText(texts.rowGoalsMax);
    ui->txtKotivoitotMin->setText(texts.homeWinsMin);
    ui->txtKotivoitotMax->setText(texts.homeWinsMax);
    ui->txtTasapelitMin->setText(texts.drawsMin);
    ui->txtTasapelitMax->setText(texts.drawsMax);
    ui->txtVierasvoitotMin->setText(texts.awayWinsMin);
    ui->txtVierasvoitotMax->setText(texts.awayWinsMax);
    ui->txtKarsTodMin->setText(texts.chanceMin);
    ui->txtKarsArvoMin->setText(texts.valueMin);
    (texts.keep ? ui->optPida : ui->optPoista)->setChecked(true);
}

void frmKarsinta::setColumnCount(int columnCount)
{
    m_columnCount = columnCount == 2 ? 2 : 3;
    const MatchControls& third = m_matches[2];
    for (QWidget* control : std::initializer_list<QWidget*>{
             third.title, third.outcomes[0], third.outcomes[1], third.outcomes[2], third.goalsMin,
             third.goalsMax, third.differenceMin, third.differenceMax})
        control->setVisible(m_columnCount == 3);
    m_recount.start();
}

void frmKarsinta::setChances(std::shared_ptr<const ScoreModel> chances)
{
    m_chances = chances && !chances->isEmpty() ? std::move(chances) : nullptr;
    showModelBoxes();
    m_recount.start();
}

void frmKarsinta::setRowValue(std::shared_ptr<const RowValue> value)
{
    m_value = std::move(value);
    showModelBoxes();
    m_recount.start();
}

void frmKarsinta::showModelBoxes()
{
    ui->txtKarsTodMin->setEnabled(m_chances != nullptr);
    ui->lblKarsTod->setEnabled(m_chances != nullptr);
    setNormalTip(ui->txtKarsTodMin,
                 m_chances ? QStringLiteral("Rivin todennäköisyys vähintään, prosentteina "
                                            "(esimerkiksi 0,001).")
                           : QStringLiteral("Käytössä, kun todennäköisyydet on asetettu "
                                            "(Muokkaa, Todennäköisyydet)."));
    ui->txtKarsArvoMin->setEnabled(m_value != nullptr);
    ui->lblKarsArvo->setEnabled(m_value != nullptr);
    setNormalTip(ui->txtKarsArvoMin,
                 m_value ? QStringLiteral("Rivin arvo vähintään: odotettu palautus panoksen "
                                          "euroa kohden (yli 1 on pelaajan eduksi).")
                         : QStringLiteral("Käytössä, kun pelijakauma on asetettu."));
}

std::optional<RowFilterConditions> frmKarsinta::readMarked()
{
    const RowFilterInput input =
        readRowFilter(typedTexts(), m_columnCount, m_chances != nullptr, m_value != nullptr);
    for (QLineEdit* box : boxes())
        mark(box, QString());
    for (const MatchControls& match : m_matches)
        for (QCheckBox* tick : match.outcomes)
            mark(tick, QString());
    for (const RowFilterFault& fault : input.faults)
        if (auto* control = findChild<QWidget*>(fault.box))
            mark(control, fault.message);
    ui->cmdKarsi->setEnabled(input.conditions.has_value());
    if (!input.conditions)
        ui->lblKarsintaMaara->setText(input.faults.front().message);
    return input.conditions;
}

void frmKarsinta::listChanged()
{
    ++m_listChanges;
    m_copiesKnown = false;
    m_firstCopies.clear();
    m_recount.start();
}

void frmKarsinta::findCopies()
{
    // One search at a time; one outdated on the way is followed by another when it ends.
    if (m_copySearch.isRunning() || m_searchedFor == m_listChanges)
        return;
    m_searchedFor = m_listChanges;
    const RowListModel& list = m_history.rows();
    auto rows = std::make_shared<const std::vector<ScoreRow>>(list.rows().begin(),
                                                              list.rows().begin() + list.count());
    auto promise = std::make_shared<QPromise<std::vector<bool>>>();
    m_copySearch.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([rows, promise] {
        promise->addResult(RowFilterCopies::firstCopies(*rows, rows->size()));
        promise->finish();
    });
}

void frmKarsinta::copiesFound()
{
    if (m_searchedFor == m_listChanges && m_copySearch.future().resultCount() > 0) {
        m_firstCopies = m_copySearch.future().takeResult();
        m_copiesKnown = true;
    }
    m_recount.start();
}

void frmKarsinta::recount()
{
    m_recount.stop();
    const std::optional<RowFilterConditions> conditions = readMarked();
    if (!conditions)
        return;
    const RowListModel& list = m_history.rows();
    const RowFilter filter(*conditions, m_chances.get(), m_value.get());
    // A copy of a row is no second chance. Unless the list is known to hold none, the rows
    // remaining are checked among themselves while few remain; for many, the first copies of
    // the whole list are sought off this thread, once a change of the list.
    static const std::vector<bool> noCopies;
    const std::vector<bool>* copies = list.isDistinct() ? &noCopies
                                      : m_copiesKnown   ? &m_firstCopies
                                                        : nullptr;
    const RowFilter::Remaining left =
        filter.remaining(list.rows().data(), size_t(list.count()), copies, size_t(ManyRemaining));
    if (!left.chanceCounted)
        findCopies();
    const QLocale locale;
    QString text = QStringLiteral("Jää %1 / %2 riviä")
                       .arg(locale.toString(left.rows), locale.toString(list.count()));
    if (m_chances)
        text += QLatin1Char('\n') + Texts::winningChance(left.chanceCounted
                                                             ? Chance::chanceText(left.chance)
                                                             : QStringLiteral("lasketaan..."));
    if (left.meanValue)
        text += QStringLiteral("\nArvo keskimäärin ") + formatDecimal(*left.meanValue, 2, locale);
    ui->lblKarsintaMaara->setText(text);
}

void frmKarsinta::cmdKarsi_Click()
{
    const ListCommand step(m_history, QStringLiteral("Karsinta"));
    const std::optional<RowFilterConditions> conditions = readMarked();
    if (!conditions)
        return;
    FilterSettings::store(typedTexts());
    RowListModel& list = m_history.rows();
    const RowFilter filter(*conditions, m_chances.get(), m_value.get());
    ProgressWindow progress(this, QStringLiteral("Karsitaan rivejä..."),
                            list.count() >= ProgressFrom, QStringLiteral("Keskeytä"), 300);
    filter.apply(list, progress.callback());
    recount();
}

void frmKarsinta::closeEvent(QCloseEvent* event)
{
    FilterSettings::store(typedTexts());
    QWidget::closeEvent(event);
}
