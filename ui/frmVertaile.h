#pragma once
#include "core/rowlistmodel.h"
#include <QWidget>
#include <memory>

class BetSettings;
class QLabel;
class QListView;
class RowListHistory;

namespace Ui {
class frmVertaile;
}

// Two row files side by side, each opened with its button or by dropping files on its list: ticks
// the rows found in both, removes ticked rows, saves either side and moves either side into the
// main window's list. Not modal; the main list may change while it is open, so every move looks at
// the main list as it is at that moment.
class frmVertaile : public QWidget
{
    Q_OBJECT
public:
    // Rows are moved into mainList as one undo step each time; mainSettings hold the main
    // window's number of matches (2 or 3), read when they are.
    frmVertaile(RowListHistory& mainList, const BetSettings& mainSettings,
                QWidget* parent = nullptr);
    ~frmVertaile() override;

    // Asks about each list with unsaved rows, saving it on "Tallenna"; false when the window is
    // to stay. Once agreed, closing the window asks nothing more.
    bool askBeforeClosing();

signals:
    // A list was saved to path.
    void saved(const QString& path);
    // The window was closed; the main window shows itself again.
    void closed();
    // After every move into the main list, also when nothing moved: a mode switch of the main
    // window may have left its row count and price stale, so it recounts and reprices.
    void mainListChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdAvaa_1_Click();
    void cmdAvaa_2_Click();
    void cmdVertaa_Click();
    void cmdPoista1_Samat_Click();
    void cmdPoista2_Samat_Click();
    void cmdTalleta1_Click();
    void cmdTalleta2_Click();
    void cmdListaa_1_Click();
    void cmdListaa_2_Click();

private:
    struct Side
    {
        RowListModel model;
        QListView* list = nullptr;
        QLabel* count = nullptr;
        // The file the rows are, when opened alone into the empty list or saved; changed when
        // rows were added or removed since.
        QString file;
        bool changed = false;
    };

    void Avaa(int n);
    void AvaaRivit(int n, const QString& path);
    void Poista(int n);
    void Talleta(int n);
    bool saveTo(int n, const QString& path);
    void Listaa(int n);
    Side& side(int n) { return n == 1 ? m_side1 : m_side2; }
    void showCount(int n);

    std::unique_ptr<Ui::frmVertaile> ui;
    RowListHistory& m_mainList;
    const BetSettings& m_mainSettings;
    Side m_side1;
    Side m_side2;
    bool m_closeAgreed = false;
};
