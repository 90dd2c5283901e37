#pragma once
// The print position window: the player shifts every coupon mark by millimetres in each
// direction, tries the shift on a calibration sheet, and stores it for the coming coupons.

#include <QDialog>
#include <memory>

namespace Ui {
class frmReunukset;
}
class PrinterChoice;

class frmReunukset : public QDialog
{
    Q_OBJECT
public:
    explicit frmReunukset(PrinterChoice& printers, QWidget* parent = nullptr);
    ~frmReunukset() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void txtReuna_Change();
    void cmdOletus_Click();
    void cmdAsetaReunat_Click();
    void cmdKoearkki_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::frmReunukset> ui;
    PrinterChoice& m_printers;
};
