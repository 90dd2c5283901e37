#pragma once
// The Lotto window: one Lotto or Viking Lotto row, or a system's number set, at a time, shown
// sorted in number boxes and as row text; the Lotto row also goes to the clipboard.
#include "core/random.h"
#include "games/lottery.h"
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
namespace Ui {
class frmLotot;
}

class frmLotot : public QWidget
{
    Q_OBJECT
public:
    explicit frmLotot(RandomSource& random, QWidget* parent = nullptr);
    ~frmLotot() override;

signals:
    // The window was closed, by "Lopeta" or by its frame; the main window shows itself again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdArvoLotto_Click();
    void cmdArvoViiking_Click();
    void LottoVex();
    void VikingVex();

private:
    // One game's half of the window.
    struct Half
    {
        LottoGame game;
        std::vector<QLineEdit*> boxes;
        QLineEdit* rowText = nullptr;
    };

    std::optional<int> Jarjestelma() const;
    void clear(Half& half);
    // False when the game has no system of the selected size; then nothing changes.
    bool draw(Half& half);

    std::unique_ptr<Ui::frmLotot> ui;
    RandomSource& m_random;
    Half m_lotto;
    Half m_viking;
};
