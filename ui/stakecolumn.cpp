#include "ui/stakecolumn.h"
#include "core/money.h"
#include "ui/ui_stakecolumn.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>

namespace {
const char* const StakeNames[12] = {"Chk1Markka",   "Chk2Markka",   "Chk3Markka",   "Chk5Markka",
                                    "Chk10markka",  "Chk20Markka",  "Chk30Markka",  "Chk50Markka",
                                    "Chk100Markka", "Chk200Markka", "Chk300Markka", "Chk500Markka"};
const char* const StakeCaptions[12] = {"0,2", "0,3", "0,5", "1",  "2",  "3",
                                       "5",   "10",  "20",  "30", "50", "100"};
} // namespace

StakeColumn::StakeColumn(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::StakeColumn>())
{
    ui->setupUi(this);
    auto* stakes = new QGridLayout(ui->FraPanos);
    for (int i = 0; i < 12; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(StakeCaptions[i]), ui->FraPanos);
        box->setObjectName(QString::fromLatin1(StakeNames[i]));
        box->setChecked(i == 0);
        m_boxes[size_t(i)] = box;
        stakes->addWidget(box, i % 6, i / 6);
        connect(box, &QCheckBox::toggled, this, &StakeColumn::stakeChanged);
    }
    auto* games = new QGridLayout(ui->fraPelinumero);
    for (int i = 0; i < 6; ++i) {
        auto* option = new QRadioButton(QString::number(i + 1), ui->fraPelinumero);
        option->setObjectName(QStringLiteral("OptPeli%1").arg(i + 1));
        option->setChecked(i == 0);
        m_games[size_t(i)] = option;
        games->addWidget(option, i / 3, i % 3);
    }
    QFont priceFont = ui->lblKokoHinta->font();
    priceFont.setBold(true);
    priceFont.setPointSize(priceFont.pointSize() + 2);
    ui->lblKokoHinta->setFont(priceFont);
    connect(ui->cmdOnNet, &QPushButton::clicked, this, &StakeColumn::onNetClicked);
}

StakeColumn::~StakeColumn() = default;

qint64 StakeColumn::stakePerRowCents() const
{
    qint64 cents = 0;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked())
            cents += Money::StakeBoxCents[i];
    return cents;
}

std::array<bool, 12> StakeColumn::tickedBoxes() const
{
    std::array<bool, 12> ticked{};
    for (size_t i = 0; i < m_boxes.size(); ++i)
        ticked[i] = m_boxes[i]->isChecked();
    return ticked;
}

int StakeColumn::gameNumber() const
{
    for (size_t i = 0; i < m_games.size(); ++i)
        if (m_games[i]->isChecked())
            return int(i) + 1;
    return 1;
}

void StakeColumn::showPrice(qint64 cents)
{
    ui->lblKokoHinta->setText(Money::formatCents(cents));
}

void StakeColumn::showPriceText(const QString& text)
{
    ui->lblKokoHinta->setText(text);
}

QString StakeColumn::priceText() const
{
    return ui->lblKokoHinta->text();
}

void StakeColumn::resetStakes()
{
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(i == 0);
}

void StakeColumn::setTickedBoxes(const std::array<bool, 12>& ticked)
{
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(ticked[i]);
}

void StakeColumn::tickFirstTen()
{
    for (size_t i = 0; i < 10; ++i)
        m_boxes[i]->setChecked(true);
}
