#pragma once
// The stake and price column: the twelve stake boxes, the game number, the price of the game
// and the net-play button. It counts the stake per row; the main window, which knows how
// many rows are priced, tells it the price to show.

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QRadioButton;
namespace Ui {
class StakeColumn;
}

class StakeColumn : public QWidget
{
    Q_OBJECT
public:
    explicit StakeColumn(QWidget* parent = nullptr);
    ~StakeColumn() override;

    // The sum of the ticked boxes.
    qint64 stakePerRowCents() const;
    // Which boxes are ticked, in their order 0,2 ... 100.
    std::array<bool, 12> tickedBoxes() const;
    void setTickedBoxes(const std::array<bool, 12>& ticked);
    // The selected game, 1 to 6.
    int gameNumber() const;

    void showPrice(qint64 cents);
    void showPriceText(const QString& text);
    QString priceText() const;

    // Only the first box (0,2) ticked, as at start.
    void resetStakes();
    // Ticks the boxes 0,2 to 10.
    void tickFirstTen();

signals:
    void stakeChanged();
    void onNetClicked();

private:
    std::unique_ptr<Ui::StakeColumn> ui;
    std::array<QCheckBox*, 12> m_boxes{};
    std::array<QRadioButton*, 6> m_games{};
};
