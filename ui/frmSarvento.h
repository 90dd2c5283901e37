#pragma once
// The main window. It owns the state the areas share (the row list, the match count, the
// warnings switch), switches the match count, keeps the edit and settings menus and wires the
// areas together. The rows tab (RowsTab), the goal-grid tab (GoalGridTab) and the stake column
// (StakeColumn) do their own work and tell of changes by signals; the row-file commands
// (RowFileCommands), the print commands (CouponPrinting), the undo history (RowListUndo) and
// the bonus menu (BonusMenu) take the menu items connected to them. Long work (draws, file
// reads) runs in the domain below with a progress callback; the windows only show progress.

#include "core/random.h"
#include "core/rowlistmodel.h"
#include "settings/settingsstore.h"
#include <QMainWindow>
#include <QPointer>
#include <memory>

class BonusMenu;
class CouponPrinting;
class GoalGridTab;
class InstanceCheck;
class QAction;
class RowFileCommands;
class RowListUndo;
class RowsTab;
class StakeColumn;
class UrlOpener;
class frmTilastot;
struct PrintState;
namespace Ui {
class frmSarvento;
}

class frmSarvento : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmSarvento(RandomSource& random = programRandom(), QWidget* parent = nullptr);
    ~frmSarvento() override;

    // The desktop services net play uses: the browser, and the check for another copy of
    // the program. Without them, nothing can be sent.
    void setNetPlayServices(UrlOpener& browser, InstanceCheck& otherCopies)
    {
        m_browser = &browser;
        m_otherCopies = &otherCopies;
    }

    // Reads the stored switches and shows the notice unless skipped; false when the player
    // refused it (the program ends then).
    bool Form_Load();

    // Shared state read by other windows.
    int ColumnCount() const;
    bool WarningsOn() const { return m_warningsOn; }
    qint64 StakePerRowCents() const;
    QString PriceText() const { return m_priceText; }
    int GameNumber() const;
    RowListModel& rowList() { return m_rows; }
    // Whether the "Järjestelmä" tab is shown.
    bool systemTabShown() const;

    // Every change of the row list becomes one undo entry when the event that made it is done;
    // this makes the changes so far one entry at once.
    void sealListChange();

    void Lopeta_Kaikki();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdOnNet_Click();
    void MnuSarake2_Click();
    void MnuSarake3_Click();
    void MnuVaroitukset_Click();
    void MnuInfo_Click();
    void MnuKomentoja_Click();
    void MnuPoistavalitutListalta_Click();
    void MnuTyhjennaLista_Click();
    void MnuTyhjennaMaalit_Click();
    void MnuTyhjennaKaikki_Click();
    void MnuTilastot_Click();
    void SSTab1_Click();

private:
    void createAreas();
    void connectAreas();
    void nameMenus();
    void connectMenus();
    void Laske_Koko_Hinta();
    void Tarkista_Valinta();
    void showError(const QString& text);
    void setThirdMatchVisible(bool visible);
    void switchColumns(int columns);
    void askAndSwitchColumns(QAction* clicked, int columns);
    void onRowCountChanged(int count);
    void onSystemSizeChanged(qint64 size);
    void showPrintMenu();
    PrintState printState() const;
    void openNetPlay();

    std::unique_ptr<Ui::frmSarvento> ui;
    RandomSource& m_random;
    RowListModel m_rows;
    RowsTab* m_rowsTab = nullptr;
    GoalGridTab* m_gridTab = nullptr;
    StakeColumn* m_stakes = nullptr;
    StartupSettings m_stored;
    bool m_warningsOn = true;
    bool m_closingConfirmed = false;
    // The row count label is blank after a mode switch until the list changes; while blank,
    // the rows are not priced.
    bool m_rowCountShown = true;
    QString m_priceText;
    QPointer<frmTilastot> m_statisticsWindow;
    UrlOpener* m_browser = nullptr;
    InstanceCheck* m_otherCopies = nullptr;
    BonusMenu* m_bonus = nullptr;
    CouponPrinting* m_printing = nullptr;
    RowFileCommands* m_files = nullptr;
    RowListUndo* m_undo = nullptr;
};
