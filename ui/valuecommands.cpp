#include "ui/valuecommands.h"
#include "core/bestvaluerows.h"
#include "ui/betsettings.h"
#include "ui/chancecommands.h"
#include "ui/dialogs.h"
#include "ui/frmJakauma.h"
#include "ui/progresswindow.h"
#include "ui/rowlisthistory.h"
#include "ui/rowstab.h"
#include "ui/sidewindows.h"
#include "ui/stakecolumn.h"
#include "ui/texts.h"
#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
// Searches this long may take a while: a progress window that can stop them, shown only
// when they do.
constexpr qint64 ProgressFrom = 200'000;
constexpr qint64 ProgressCombinations = 3'000'000;
} // namespace

ValueCommands::ValueCommands(QWidget* window, RowListHistory& history, RowsTab& rowsTab,
                             QLabel& returnLabel, const BetSettings& settings,
                             ChanceCommands& chances, const StakeColumn& stakes)
    : QObject(window), m_window(window), m_history(history), m_rowsTab(rowsTab),
      m_returnLabel(returnLabel), m_settings(settings), m_chances(chances), m_stakes(stakes)
{
    // Made at once, hidden: the distribution stored at the last run is in use from the start.
    m_distributionWindow = new frmJakauma(m_settings.columnCount(), window);
    m_distributionWindow->setModel(m_chances.model());
    connect(&m_settings, &BetSettings::columnCountChanged, m_distributionWindow,
            &frmJakauma::setColumnCount);
    connect(m_distributionWindow, &frmJakauma::distributionChanged, this, &ValueCommands::remake);
    connect(&m_chances, &ChanceCommands::modelChanged, this, [this] {
        m_distributionWindow->setModel(m_chances.model());
        remake();
    });
    connect(&m_chances, &ChanceCommands::bestValueRowsWanted, this,
            &ValueCommands::fillBestValueRows);
    m_chances.setRowNote([this](ScoreRow row) { return rowNote(row); });
    // A row's own stake goes into its value.
    connect(&m_stakes, &StakeColumn::stakeChanged, this, &ValueCommands::remake);

    // As the chance: appends and an undone append move the sum row by row, anything else is
    // summed again over the whole list.
    const RowListModel& rows = m_history.rows();
    connect(&rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (!m_tally.hasValue())
                    return;
                for (int i = first; i <= last; ++i)
                    m_tally.add(m_history.rows().at(i));
                showReturn();
            });
    connect(&rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (!m_tally.hasValue())
                    return;
                for (int i = first; i <= last; ++i)
                    m_tally.remove(m_history.rows().at(i));
            });
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, &ValueCommands::showReturn);
    connect(&rows, &QAbstractItemModel::modelReset, this, &ValueCommands::countAll);
    remake();
}

ValueCommands::~ValueCommands() = default;

void ValueCommands::takeMenuItems(QMenu& menu, QAction* distribution, QAction* order)
{
    connect(&menu, &QMenu::aboutToShow, order,
            [this, order] { order->setEnabled(m_value && m_history.rows().count() > 1); });
    connect(distribution, &QAction::triggered, this, &ValueCommands::MnuPelijakauma_Click);
    connect(order, &QAction::triggered, this, &ValueCommands::MnuJarjestaArvo_Click);
}

void ValueCommands::remake()
{
    const std::optional<Distribution>& distribution = m_distributionWindow->distribution();
    m_value = distribution
                  ? PoolValue::make(m_chances.model(), *distribution, m_stakes.stakePerRowCents())
                  : nullptr;
    m_tally.setValue(m_value);
    countAll();
    emit rowValueChanged();
}

void ValueCommands::countAll()
{
    if (m_tally.hasValue())
        m_tally.reset(m_history.rows().rows().data(), size_t(m_history.rows().count()));
    showReturn();
}

void ValueCommands::showReturn()
{
    m_returnLabel.setVisible(m_tally.hasValue());
    if (!m_tally.hasValue())
        m_returnLabel.clear();
    else if (m_tally.rowCount() == 0)
        m_returnLabel.setText(QStringLiteral("Odotettu palautus: lista on tyhjä"));
    else
        m_returnLabel.setText(RowValues::expectedReturnText(m_tally.expectedReturn()));
}

QString ValueCommands::rowNote(ScoreRow row) const
{
    if (!m_value)
        return QString();
    return QStringLiteral("Arvo %1 (odotettu palautus euroa kohti)")
        .arg(RowValues::valueText(m_value->valueOf(row)));
}

bool ValueCommands::valuesSet()
{
    if (m_value)
        return true;
    MessageBox::show(m_window, Texts::AppTitle,
                     m_chances.model()
                         ? QStringLiteral("Pelijakaumaa ei ole asetettu. Anna se ensin kohdassa "
                                          "Muokkaa, Pelijakauma.")
                         : Texts::NoChances);
    return false;
}

void ValueCommands::MnuPelijakauma_Click()
{
    SideWindows::bringToFront(*m_distributionWindow);
}

void ValueCommands::fillBestValueRows(qint64 count, double leastChance)
{
    ListCommand step(m_history, QStringLiteral("Parhaat arvorivit"));
    if (!valuesSet())
        return;
    const std::optional<GoalLimitTexts> limits = m_rowsTab.checkedLimits();
    if (!limits)
        return;
    const auto ranges = GoalRanges::fromLimits(*limits, m_settings.columnCount());
    if (!ranges || !ranges->fits(m_value->model().matchCount())) {
        MessageBox::show(m_window, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    const bool slow = count >= ProgressFrom ||
                      BestRows::combinations(m_value->model(), *ranges) > ProgressCombinations;
    ProgressWindow progress(m_window, QStringLiteral("Haetaan arvokkaimpia rivejä..."), slow,
                            QStringLiteral("Keskeytä"), 300);
    // As "Parhaat rivit": a row already listed is not listed again.
    BestValueRows::appendTo(m_history.rows(), *m_value, *ranges, count, leastChance,
                            progress.callback());
}

void ValueCommands::MnuJarjestaArvo_Click()
{
    ListCommand step(m_history, QStringLiteral("Järjestä arvon mukaan"));
    if (!valuesSet())
        return;
    RowListModel& rows = m_history.rows();
    std::optional<Chance::Ordered> ordered = RowValues::orderedByValue(*m_value, rows);
    if (!ordered)
        return; // already in order: no step
    // Taken out and put back in order: the undo step keeps the old list as it was handed over.
    rows.clear();
    rows.appendAll(std::move(ordered->rows));
    rows.checkPositions(ordered->ticked);
}
