#pragma once
// The Vakio window: draws a 1X2 pools row into thirteen match boxes and, with "Systeemi"
// ticked, widens it with the full and half covers the player asks for. Shows results only.
#include "core/random.h"
#include "games/vakio.h"
#include "ui/games/inputbox.h"
#include <QWidget>
#include <memory>

class QLineEdit;
namespace Ui {
class frmVakio;
}

class frmVakio : public QWidget
{
    Q_OBJECT
public:
    explicit frmVakio(RandomSource& random, QWidget* parent = nullptr);
    ~frmVakio() override;

    // Where the cover counts are asked; the toolkit's input dialog unless a test sets its own.
    void setInputBox(InputBox& box) { m_input = &box; }

signals:
    // The window was closed, by "Lopeta" or by its close control.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Plain members rather than slots: moc cannot read the non-ASCII handler name.
    void cmdArvoVakio_Click();
    void cmdtyhjäävakio_Click();
    void cmdLopeta_Click();
    void NaytaKaikki();
    void Vakio_Systeemi(int matches);
    int matchCount() const;
    Vakio::Boxes boxTexts() const;
    void showBoxTexts(const Vakio::Boxes& boxes);

    std::unique_ptr<Ui::frmVakio> ui;
    RandomSource& m_random;
    QtInputBox m_qtInput;
    InputBox* m_input = &m_qtInput;
    QLineEdit* m_boxes[Vakio::BoxCount] = {};
};
