#include "ui/goalgridtab.h"
#include "core/numbers.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/rowlisthistory.h"
#include "ui/texts.h"
#include "ui/ui_goalgridtab.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QMouseEvent>

namespace {
// The system sizes offered in the wanted-size box.
constexpr int SystemSizes[] = {
    2,    3,    4,    6,    8,    9,    12,   16,   18,   24,   27,   32,   36,   48,   54,   60,
    64,   72,   80,   81,   96,   108,  120,  128,  144,  160,  162,  180,  192,  216,  240,  243,
    256,  270,  288,  320,  324,  360,  384,  405,  432,  480,  486,  512,  540,  576,  600,  640,
    648,  720,  729,  768,  810,  864,  900,  960,  972,  1024, 1080, 1152, 1200, 1215, 1280, 1296,
    1350, 1440, 1536, 1600, 1620, 1728, 1800, 1920, 1944, 2025, 2048, 2160, 2250, 2304, 2400, 2560,
    2592, 2700, 2880, 3000, 3072, 3200, 3240, 3375, 3456, 3600, 3840, 4000, 4050, 4096};
} // namespace

GoalGridTab::GoalGridTab(RowListHistory& list, RandomSource& random, const BetSettings& settings,
                         TabHost host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::GoalGridTab>()), m_list(list), m_grid(random),
      m_settings(settings), m_host(std::move(host))
{
    ui->setupUi(this);
    ui->lblRivimaaraTitle->setObjectName(QStringLiteral("lblRivimäärä"));
    ui->lblRivimaaraTitle->installEventFilter(this);
    buildBoxes();
    setThirdMatchVisible(m_settings.columnCount() == 3);
    connect(&m_settings, &BetSettings::columnCountChanged, this,
            [this](int columns) { setThirdMatchVisible(columns == 3); });

    ui->cboJarjestelma->addItem(QString());
    for (int size : SystemSizes)
        ui->cboJarjestelma->addItem(QString::number(size));
    ui->cboJarjestelma->setCurrentIndex(0);
    // A typed size is taken as typed: completing "5" to a listed "54" would draw a system
    // of another size than the player asked for.
    ui->cboJarjestelma->setCompleter(nullptr);
    connect(ui->cboJarjestelma, &QComboBox::editTextChanged, this, [this](const QString& text) {
        ui->cmdHaluttu_Jarjestelma->setEnabled(!text.isEmpty());
    });
    connect(ui->cmdListaa_Rivit, &QPushButton::clicked, this, &GoalGridTab::Systeemi);
    connect(ui->cmdNollaaSysteemi, &QPushButton::clicked, this, &GoalGridTab::Systeemi_Tyhjaksi);
    connect(ui->cmd_Arvo_Jarjestelma, &QPushButton::clicked, this,
            &GoalGridTab::cmd_Arvo_Jarjestelma_Click);
    connect(ui->cmdHaluttu_Jarjestelma, &QPushButton::clicked, this,
            &GoalGridTab::cmdHaluttu_Jarjestelma_Click);
}

GoalGridTab::~GoalGridTab() = default;

void GoalGridTab::buildBoxes()
{
    QGroupBox* frames[3] = {ui->FraPeli1, ui->FraPeli2, ui->FraPeli3};
    for (int match = 0; match < 3; ++match) {
        auto* grid = new QGridLayout(frames[match]);
        grid->setVerticalSpacing(0);
        for (int side = 0; side < 2; ++side) {
            const int team = 2 * match + side;
            const QString column =
                (side == 0 ? QStringLiteral("chkKoti") : QStringLiteral("chkVieras")) +
                QString::number(match + 1);
            for (int goal = 0; goal < GoalGrid::Goals; ++goal) {
                auto* box = new QCheckBox(QString::number(goal), frames[match]);
                box->setObjectName(column + QLatin1Char('_') + QString::number(goal));
                m_boxes[size_t(team)][size_t(goal)] = box;
                grid->addWidget(box, goal, side);
                connect(box, &QCheckBox::toggled, this,
                        [this, team, goal](bool ticked) { chkGrid_Click(team, goal, ticked); });
            }
        }
    }
}

void GoalGridTab::setThirdMatchVisible(bool visible)
{
    ui->lblKohde_3->setVisible(visible);
    ui->FraPeli3->setVisible(visible);
}

void GoalGridTab::syncGridBoxes()
{
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal) {
            QCheckBox* box = m_boxes[size_t(team)][size_t(goal)];
            const QSignalBlocker quiet(box);
            box->setChecked(m_grid.grid().isTicked(team, goal));
        }
}

void GoalGridTab::showSystemSize()
{
    ui->lblRiviMaara->setText(QString::number(m_grid.shownSize()));
    emit sizeChanged(m_grid.shownSize());
}

void GoalGridTab::chkGrid_Click(int team, int goal, bool ticked)
{
    if (m_grid.setTicked(team, goal, ticked, m_settings.columnCount()))
        showSystemSize();
}

void GoalGridTab::Systeemi_Tyhjaksi()
{
    m_grid.clearGrid();
    syncGridBoxes();
    ui->lblRiviMaara->setText(QStringLiteral("0"));
    ui->lblJarjestelma_arvottu->clear();
    ui->ChkArvo_Koko_Rivi->setChecked(true);
    emit gridCleared();
}

void GoalGridTab::Systeemi()
{
    if (m_grid.shownSize() < 1)
        return;
    ListCommand step(m_list, QStringLiteral("Listaa rivit"));
    RowListModel& rows = m_list.rows();
    if (!rows.isEmpty() &&
        MessageBox::ask(this, QStringLiteral("Poisto"),
                        QStringLiteral("Poistetaanko listalla jo olevat rivit? ")))
        rows.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rows.appendAll(m_grid.grid().rows(m_settings.columnCount()));
    QApplication::restoreOverrideCursor();
}

bool GoalGridTab::Inputs::operator==(const Inputs& other) const
{
    return grid == other.grid && sizeText == other.sizeText && attemptsText == other.attemptsText &&
           wholeRow == other.wholeRow;
}

GoalGridTab::Inputs GoalGridTab::inputs() const
{
    return {m_grid.saved(), ui->lblRiviMaara->text(), ui->lblJarjestelma_arvottu->text(),
            ui->ChkArvo_Koko_Rivi->isChecked()};
}

void GoalGridTab::setInputs(const Inputs& inputs)
{
    m_grid.restore(inputs.grid);
    syncGridBoxes();
    ui->lblRiviMaara->setText(inputs.sizeText);
    ui->lblJarjestelma_arvottu->setText(inputs.attemptsText);
    ui->ChkArvo_Koko_Rivi->setChecked(inputs.wholeRow);
}

// A draw needs the maximum goal: tells the player (while warnings are on) when it is empty.
bool GoalGridTab::checkMaxGoal()
{
    if (!m_host.maxGoalText().isEmpty())
        return true;
    if (m_settings.warningsOn())
        MessageBox::show(this, Texts::WakeUpTitle, Texts::MaxGoalMissing);
    emit maxGoalMissing();
    return false;
}

void GoalGridTab::cmd_Arvo_Jarjestelma_Click()
{
    ui->lblJarjestelma_arvottu->clear();
    if (!checkMaxGoal())
        return;
    const auto maxGoal = GridDraw::readMaxGoal(m_host.maxGoalText());
    if (!maxGoal) {
        MessageBox::show(this, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    m_grid.drawOnce(*maxGoal, ui->ChkArvo_Koko_Rivi->isChecked(), m_settings.columnCount());
    syncGridBoxes();
    showSystemSize();
}

void GoalGridTab::cmdHaluttu_Jarjestelma_Click()
{
    const int columns = m_settings.columnCount();
    const auto wanted = parseWholeNumber(ui->cboJarjestelma->currentText().trimmed());
    if (!wanted) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Anna järjestelmän kooksi kokonaisluku."));
        return;
    }
    if (*wanted <= 0)
        return;
    if (*wanted > GoalGrid::maxSize(columns)) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Suurin mahdollinen järjestelmä on %1 riviä.")
                             .arg(GoalGrid::maxSize(columns)));
        return;
    }
    ui->ChkArvo_Koko_Rivi->setChecked(true);
    if (!checkMaxGoal())
        return;
    if (!GridDraw::readMaxGoal(m_host.maxGoalText())) {
        MessageBox::show(this, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    QLabel* attempts = ui->lblJarjestelma_arvottu;
    const GridDraw::WantedResult result =
        m_grid.drawWanted(*wanted, m_host.maxGoalText(), columns, [attempts](int tried) {
            attempts->setText(QString::number(tried));
            attempts->repaint();
            return true;
        });
    ui->cboJarjestelma->setEditText(QString::number(result.wanted));
    syncGridBoxes();
    if (result.reached) {
        showSystemSize();
        attempts->setText(QString::number(result.attempts));
    } else {
        Systeemi_Tyhjaksi();
    }
}

void GoalGridTab::lblRivimaara_DblClick()
{
    // The size label keeps its text until the next box change.
    m_grid.fillAll();
    syncGridBoxes();
    emit fillStakesWanted();
}

bool GoalGridTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lblRivimaaraTitle && event->type() == QEvent::MouseButtonDblClick)
        lblRivimaara_DblClick();
    return QWidget::eventFilter(watched, event);
}
