#pragma once
// The Keno window: one random Keno row of 2 to 10 numbers at a time, as row text selected for
// copying.
#include "core/random.h"
#include <QWidget>
#include <memory>
#include <vector>

class QRadioButton;
namespace Ui {
class frmKeno;
}

class frmKeno : public QWidget
{
    Q_OBJECT
public:
    explicit frmKeno(RandomSource& random, QWidget* parent = nullptr);
    ~frmKeno() override;

signals:
    // The window was closed, by "Lopeta" or by its frame; the main window shows itself again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdArvoKeno_Click();

private:
    int TarkistaKeno() const;

    std::unique_ptr<Ui::frmKeno> ui;
    RandomSource& m_random;
    std::vector<QRadioButton*> m_sizes; // opt2 to opt10
};
