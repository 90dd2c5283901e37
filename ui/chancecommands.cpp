#include "ui/chancecommands.h"
#include "core/bestrows.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/frmTarkista.h"
#include "ui/frmTodennakoisyydet.h"
#include "ui/progresswindow.h"
#include "ui/rowlisthistory.h"
#include "ui/rowlistview.h"
#include "ui/rowstab.h"
#include "ui/sidewindows.h"
#include "ui/texts.h"
#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
// Searches for this many rows or more show a progress window that can stop them.
constexpr qint64 ProgressFrom = 200'000;
} // namespace

ChanceCommands::ChanceCommands(QWidget* window, RowListHistory& history, RowsTab& rowsTab,
                               QLabel& chanceLabel, const BetSettings& settings,
                               std::function<qint64()> stakeCents)
    : QObject(window), m_window(window), m_history(history), m_rowsTab(rowsTab),
      m_chanceLabel(chanceLabel), m_settings(settings)
{
    // Made at once, hidden: the chances stored at the last run are in use from the start.
    m_chancesWindow =
        new frmTodennakoisyydet(m_settings.columnCount(), std::move(stakeCents), window);
    connect(&m_settings, &BetSettings::columnCountChanged, m_chancesWindow,
            &frmTodennakoisyydet::setColumnCount);
    connect(m_chancesWindow, &frmTodennakoisyydet::modelChanged, this, &ChanceCommands::setModel);
    connect(m_chancesWindow, &frmTodennakoisyydet::bestRowsWanted, this,
            &ChanceCommands::fillBestRows);
    connect(m_chancesWindow, &frmTodennakoisyydet::bestValueRowsWanted, this,
            &ChanceCommands::bestValueRowsWanted);

    // Appends and the removal of a tail (an undone append) move the sum row by row; anything
    // else the list does as a reset, and the sum is taken again over the whole list.
    const RowListModel& rows = m_history.rows();
    connect(&rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (!m_tally.hasModel())
                    return;
                // Rows listed without the duplicate test may copy others: counted anew, with
                // their copies, from the whole list.
                if (!m_tally.countsCopies() && !m_history.rows().isDistinct()) {
                    countAll();
                    return;
                }
                for (int i = first; i <= last; ++i)
                    m_tally.add(m_history.rows().at(i));
                showChance();
            });
    connect(&rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (!m_tally.hasModel())
                    return;
                for (int i = first; i <= last; ++i)
                    m_tally.remove(m_history.rows().at(i));
            });
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, &ChanceCommands::showChance);
    connect(&rows, &QAbstractItemModel::modelReset, this, &ChanceCommands::countAll);

    if (auto* view = qobject_cast<RowListView*>(m_rowsTab.listView()))
        view->setRowToolTip([this](int position) { return rowToolTip(position); });
    setModel(m_chancesWindow->model());
}

ChanceCommands::~ChanceCommands() = default;

void ChanceCommands::takeMenuItems(QMenu& menu, QAction* chances, QAction* order, QAction* check)
{
    connect(&menu, &QMenu::aboutToShow, order,
            [this, order] { order->setEnabled(m_model && m_history.rows().count() > 1); });
    connect(chances, &QAction::triggered, this, &ChanceCommands::MnuTodennakoisyydet_Click);
    connect(order, &QAction::triggered, this, &ChanceCommands::MnuJarjestaTod_Click);
    connect(check, &QAction::triggered, this, &ChanceCommands::MnuTarkistaTulos_Click);
}

void ChanceCommands::setModel(std::shared_ptr<const ScoreModel> model)
{
    m_model = model && !model->isEmpty() ? std::move(model) : nullptr;
    m_tally.setModel(m_model);
    countAll();
    emit modelChanged();
}

void ChanceCommands::countAll()
{
    if (m_tally.hasModel())
        m_tally.reset(m_history.rows().rows().data(), size_t(m_history.rows().count()),
                      m_history.rows().isDistinct());
    showChance();
}

void ChanceCommands::showChance()
{
    m_chanceLabel.setVisible(m_tally.hasModel());
    m_chanceLabel.setText(m_tally.hasModel()
                              ? Texts::winningChance(Chance::chanceText(m_tally.chance()))
                              : QString());
}

QString ChanceCommands::rowToolTip(int position) const
{
    if (!m_model || position < 0 || position >= m_history.rows().count())
        return QString();
    const ScoreRow row = m_history.rows().at(position);
    QString text = Texts::rowChance(Chance::chanceText(m_model->probability(row)));
    // A copy wins nothing more: the list's chance counts the row once.
    if (m_tally.copies(row) > 1)
        text += QStringLiteral("\nRivi on listalla %1 kertaa; voittotodennäköisyyteen se "
                               "lasketaan kerran.")
                    .arg(m_tally.copies(row));
    if (const QString note = m_rowNote ? m_rowNote(row) : QString(); !note.isEmpty())
        text += u'\n' + note;
    return text;
}

void ChanceCommands::MnuTodennakoisyydet_Click()
{
    SideWindows::bringToFront(*m_chancesWindow);
}

void ChanceCommands::fillBestRows(qint64 count)
{
    ListCommand step(m_history, QStringLiteral("Parhaat rivit"));
    if (!m_model) {
        MessageBox::show(m_window, Texts::AppTitle, Texts::NoChances);
        return;
    }
    const std::optional<GoalLimitTexts> limits = m_rowsTab.checkedLimits();
    if (!limits)
        return;
    const auto ranges = GoalRanges::fromLimits(*limits, m_settings.columnCount());
    if (!ranges || !ranges->fits(m_model->matchCount())) {
        MessageBox::show(m_window, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    ProgressWindow progress(m_window, QStringLiteral("Haetaan todennäköisimpiä rivejä..."),
                            count >= ProgressFrom, QStringLiteral("Keskeytä"), 300);
    // As with drawn rows, a row already listed is not listed again.
    BestRows::appendTo(m_history.rows(), *m_model, *ranges, count, progress.callback());
}

void ChanceCommands::MnuJarjestaTod_Click()
{
    ListCommand step(m_history, QStringLiteral("Järjestä todennäköisyyden mukaan"));
    if (!m_model) {
        MessageBox::show(m_window, Texts::AppTitle, Texts::NoChances);
        return;
    }
    RowListModel& rows = m_history.rows();
    std::optional<Chance::Ordered> ordered = Chance::orderedByChance(*m_model, rows);
    if (!ordered)
        return; // already in order: no step
    // Taken out and put back in order: the undo step keeps the old list as it was handed over.
    rows.clear();
    rows.appendAll(std::move(ordered->rows));
    rows.checkPositions(ordered->ticked);
}

void ChanceCommands::MnuTarkistaTulos_Click()
{
    SideWindows::showOnce(m_checkWindow, [this] {
        auto* window = new frmTarkista(m_history.rows(), m_settings, m_window);
        connect(window, &frmTarkista::winningRowFound, this, &ChanceCommands::showWinningRow);
        return window;
    });
}

void ChanceCommands::showWinningRow(int position)
{
    RowListModel& rows = m_history.rows();
    if (position < 0 || position >= rows.count())
        return;
    rows.setChecked(position, true);
    emit winningRowShown();
    QAbstractItemView* view = m_rowsTab.listView();
    const QModelIndex index = rows.index(position);
    view->setCurrentIndex(index);
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
}
