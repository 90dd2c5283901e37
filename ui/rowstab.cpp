#include "ui/rowstab.h"
#include "core/numbers.h"
#include "core/resultdraw.h"
#include "core/weighteddraw.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/goalbox.h"
#include "ui/progresswindow.h"
#include "ui/rowlisthistory.h"
#include "ui/texts.h"
#include "ui/ui_rowstab.h"
#include "ui/wholetextfocus.h"
#include <QGridLayout>

namespace {
// Draws of this many rows or more show a progress window that can stop them.
constexpr qint64 ProgressFrom = 20000;
// More draws than this in one click could not fit in the list anyway.
constexpr qint64 MaxDrawCount = 100'000'000;

const QString NoChanceWithin =
    QStringLiteral("Kohteen %1 maalirajoissa ei ole yhtään tulosta, jolla olisi todennäköisyys.");

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString indexed(const char* name, int index)
{
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}
} // namespace

RowsTab::RowsTab(RowListHistory& list, RandomSource& random, const BetSettings& settings,
                 TabHost host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::RowsTab>()), m_list(list), m_random(random),
      m_settings(settings), m_host(std::move(host))
{
    ui->setupUi(this);
    buildLimitBoxes();
    buildResultLabels();
    setThirdMatchVisible(m_settings.columnCount() == 3);
    connect(&m_settings, &BetSettings::columnCountChanged, this,
            [this](int columns) { setThirdMatchVisible(columns == 3); });
    ui->lstLista->setModel(&m_list.rows());
    selectWholeTextOnClick(ui->txtKertaa);
    ui->lblArvottutxt->installEventFilter(this);
    connect(ui->cmdArvo_Tulokset, &QPushButton::clicked, this, &RowsTab::cmdArvo_Tulokset_Click);
}

RowsTab::~RowsTab() = default;

// The rows of like controls: the goal limit boxes and the result labels.
void RowsTab::buildLimitBoxes()
{
    auto* limits = new QGridLayout(ui->fraMaalit);
    const char* heads[3] = {"Label3", "Label6", "Label4"};
    const char* sides[6] = {"Label1", "Label11", "Label10", "Label9", "lbl_K3", "lbl_V3"};
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(ui->fraMaalit, QString::fromLatin1(heads[match]),
                                 QStringLiteral("%1. Kohde").arg(match + 1));
        limits->addWidget(head, 0, 1 + 2 * match, 1, 2, Qt::AlignCenter);
        if (match == 2)
            m_thirdMatchWidgets << head;
    }
    limits->addWidget(makeLabel(ui->fraMaalit, QStringLiteral("Label7"), QStringLiteral("Vähint.")),
                      2, 0);
    limits->addWidget(makeLabel(ui->fraMaalit, QStringLiteral("Label5"), QStringLiteral("Enint.")),
                      3, 0);
    for (int k = 0; k < 6; ++k) {
        QLabel* side = makeLabel(ui->fraMaalit, QString::fromLatin1(sides[k]),
                                 k % 2 ? QStringLiteral("V") : QStringLiteral("K"));
        limits->addWidget(side, 1, 1 + k, Qt::AlignCenter);
        for (auto* boxes : {&txtMaalivah, &txtMaaliEnint}) {
            auto* box = new QLineEdit(ui->fraMaalit);
            box->setObjectName(indexed(boxes == &txtMaalivah ? "txtMaalivah" : "txtMaaliEnint", k));
            box->setToolTip(QStringLiteral(" Anna luku 1-9. "));
            box->setMaximumWidth(32);
            takeTwoDigits(box);
            selectWholeTextOnClick(box);
            (*boxes)[size_t(k)] = box;
            limits->addWidget(box, boxes == &txtMaalivah ? 2 : 3, 1 + k);
        }
        if (k >= 4)
            m_thirdMatchWidgets << side << txtMaalivah[size_t(k)] << txtMaaliEnint[size_t(k)];
    }
}

void RowsTab::buildResultLabels()
{
    auto* results = new QGridLayout(ui->fraTulokset);
    const QString captions[3] = {QStringLiteral("1.Kohde"), QStringLiteral("2. Kohde"),
                                 QStringLiteral("3. Kohde")};
    QFont resultFont(QStringLiteral("Arial"));
    resultFont.setPointSizeF(14.25);
    resultFont.setBold(true);
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(ui->fraTulokset, QStringLiteral("lblKohde%1").arg(match + 1),
                                 captions[match]);
        results->addWidget(head, 3 * match, 0, 1, 2, Qt::AlignCenter);
        for (int side = 0; side < 2; ++side) {
            const int k = 2 * match + side;
            QLabel* goal = makeLabel(ui->fraTulokset, indexed("lbl1", k), QString());
            goal->setFont(resultFont);
            goal->setAlignment(Qt::AlignCenter);
            goal->setMinimumWidth(32);
            goal->setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
            lbl1[size_t(k)] = goal;
            results->addWidget(goal, 3 * match + 1, side);
        }
        auto* line = new QFrame(ui->fraTulokset);
        line->setObjectName(QStringLiteral("Line%1").arg(match + 1));
        line->setFrameShape(QFrame::HLine);
        results->addWidget(line, 3 * match + 2, 0, 1, 2);
        if (match == 2)
            m_thirdMatchWidgets << head << lbl1[4] << lbl1[5] << line;
    }
}

QAbstractItemView* RowsTab::listView() const
{
    return ui->lstLista;
}

void RowsTab::setThirdMatchVisible(bool visible)
{
    for (QWidget* w : std::as_const(m_thirdMatchWidgets))
        w->setVisible(visible);
}

void RowsTab::showRowCount(int count)
{
    ui->lblArvottu->setText(QString::number(count));
}

void RowsTab::blankRowCount()
{
    ui->lblArvottu->clear();
}

void RowsTab::clearGoals()
{
    for (size_t k = 0; k < 6; ++k) {
        lbl1[k]->clear();
        txtMaaliEnint[k]->clear();
        txtMaalivah[k]->clear();
    }
}

void RowsTab::resetDrawCount()
{
    ui->txtKertaa->setText(QStringLiteral("1"));
}

void RowsTab::focusDrawButton()
{
    ui->cmdArvo_Tulokset->setFocus();
}

bool RowsTab::Inputs::operator==(const Inputs& other) const
{
    return least == other.least && most == other.most && results == other.results &&
           drawCount == other.drawCount;
}

RowsTab::Inputs RowsTab::inputs() const
{
    Inputs inputs;
    for (size_t k = 0; k < 6; ++k) {
        inputs.least[k] = txtMaalivah[k]->text();
        inputs.most[k] = txtMaaliEnint[k]->text();
        inputs.results[k] = lbl1[k]->text();
    }
    inputs.drawCount = ui->txtKertaa->text();
    return inputs;
}

void RowsTab::setInputs(const Inputs& inputs)
{
    for (size_t k = 0; k < 6; ++k) {
        txtMaalivah[k]->setText(inputs.least[k]);
        txtMaaliEnint[k]->setText(inputs.most[k]);
        lbl1[k]->setText(inputs.results[k]);
    }
    ui->txtKertaa->setText(inputs.drawCount);
}

void RowsTab::cmdArvo_Tulokset_Click()
{
    // The rows of one draw are one step, also while the progress window lets events through.
    ListCommand step(m_list, QStringLiteral("Arvo lopputulokset"));
    emit errorCleared();
    const QString countText = ui->txtKertaa->text();
    const auto requested = parseWholeNumber(countText, MaxDrawCount);
    if (!countText.trimmed().isEmpty() && !requested) {
        MessageBox::show(window(), Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    qint64 count = requested.value_or(0);
    if (count < 1) {
        count = 1;
        resetDrawCount();
    }

    const std::optional<GoalLimitTexts> limits = checkedLimits();
    if (!limits)
        return;
    std::optional<WeightedDrawer> weighted;
    if (ui->chkTodennakoisyyksin->isChecked()) {
        weighted = weightedDrawer(*limits);
        if (!weighted)
            return;
    }
    emit sameResultShown(false);

    ProgressWindow progress(window(), QStringLiteral("Arvotaan rivejä..."), count >= ProgressFrom,
                            QStringLiteral("Keskeytä"), 300);
    const DrawOutcome outcome =
        weighted ? weighted->drawInto(m_list.rows(), count, m_random, progress.callback())
                 : ResultDrawer(*limits, m_settings.columnCount())
                       .drawInto(m_list.rows(), count, m_random, progress.callback());
    showResult(outcome.lastGoals);
    if (count == 1 && !outcome.lastWasNew)
        emit sameResultShown(true);
    ui->lblArvottu->repaint();
}

std::optional<GoalLimitTexts> RowsTab::checkedLimits()
{
    GoalLimitTexts limits;
    limits.overallMax = m_host.maxGoalText();
    for (size_t k = 0; k < 6; ++k) {
        limits.teamMax[k] = txtMaaliEnint[k]->text();
        limits.teamMin[k] = txtMaalivah[k]->text();
    }
    const LimitCheckResult check = ResultDrawer(limits, m_settings.columnCount()).check();
    switch (check.status) {
    case LimitCheck::NotANumber:
        MessageBox::show(window(), Texts::AppTitle, Texts::CheckGoalNumbers);
        return std::nullopt;
    case LimitCheck::MissingMax:
        showLimitError(6);
        emit maxGoalMissing();
        return std::nullopt;
    case LimitCheck::TeamError:
        emit sameResultShown(false);
        SuoritaVirhe(check.team);
        return std::nullopt;
    case LimitCheck::Ok:
        break;
    }
    return limits;
}

std::optional<WeightedDrawer> RowsTab::weightedDrawer(const GoalLimitTexts& limits)
{
    const auto model = m_host.scoreModel ? m_host.scoreModel() : nullptr;
    if (!model) {
        MessageBox::show(window(), Texts::AppTitle, Texts::NoChances);
        return std::nullopt;
    }
    const auto ranges = GoalRanges::fromLimits(limits, m_settings.columnCount());
    WeightedDrawer drawer(*model, ranges.value_or(GoalRanges()));
    if (!ranges || !drawer.isDrawable()) {
        MessageBox::show(window(), Texts::AppTitle,
                         NoChanceWithin.arg(std::max(drawer.blockedMatch(), 0) + 1));
        return std::nullopt;
    }
    return drawer;
}

void RowsTab::showResult(const std::array<std::optional<int>, 6>& goals)
{
    for (size_t k = 0; k < 6; ++k)
        if (goals[k])
            lbl1[k]->setText(QString::number(*goals[k]));
}

void RowsTab::showLimitError(int limitError)
{
    if (m_settings.warningsOn())
        MessageBox::show(window(), Texts::WakeUpTitle, limitErrorText(limitError));
    else
        SuoritaVirhe(limitError);
}

void RowsTab::SuoritaVirhe(int limitError)
{
    // Two lines: what to check, then which box.
    emit errorShown(QStringLiteral("Tarkista maalirajat :\n") + limitErrorText(limitError));
}

void RowsTab::lblArvottutxt_DblClick()
{
    m_list.rows().checkAll();
}

bool RowsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == ui->lblArvottutxt)
        lblArvottutxt_DblClick();
    return QWidget::eventFilter(watched, event);
}
