#pragma once
// The long-odds window: random outcomes "1", "X" or "2" for 3 to 6 matches, shown on six
// result lines. Shows results only.
#include "core/random.h"
#include "games/veto.h"
#include <QWidget>
#include <memory>

class QLabel;
namespace Ui {
class frmVeto;
}

class frmVeto : public QWidget
{
    Q_OBJECT
public:
    explicit frmVeto(RandomSource& random, QWidget* parent = nullptr);
    ~frmVeto() override;

signals:
    // The window was closed, by "Lopeta" or by its close control.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdArvo_Click();
    void cmdEnd_Click();

private:
    int matchCount() const;

    std::unique_ptr<Ui::frmVeto> ui;
    RandomSource& m_random;
    QLabel* m_results[Veto::MaxMatches] = {};
};
