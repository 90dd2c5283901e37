#pragma once
// The main window. It owns the state the areas share (the row list, and in BetSettings the
// match count and the warnings switch), switches the match count, keeps the edit and settings
// menus and wires the areas together. The rows tab (RowsTab), the goal-grid tab (GoalGridTab) and
// the stake column (StakeColumn) do their own work and tell of changes by signals; the row-file
// commands (RowFileCommands), the print commands (CouponPrinting), the chances of the scores
// (ChanceCommands), the undo history (RowListHistory) and the bonus menu (BonusMenu) take the
// menu items connected to them. Every command that may
// change the row list opens a ListCommand, its undo step. Long work (draws, file reads) runs in
// the domain below with a progress callback; the windows only show progress.

#include "core/betsnapshot.h"
#include "core/random.h"
#include "core/rowlistmodel.h"
#include "settings/settingsstore.h"
#include "ui/betsettings.h"
#include <QMainWindow>
#include <QPointer>
#include <memory>

class BonusMenu;
class ChanceCommands;
class CouponPrinting;
class FilterCommands;
class GoalGridTab;
class InstanceCheck;
class ListDocument;
class RecoveryStore;
class PrinterChoice;
class RowFileCommands;
class RowListHistory;
class RowsTab;
class StakeColumn;
class UrlOpener;
class ValueCommands;
class frmTilastot;
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
    // Where the unsaved list's recovery copy is kept; none is kept unless set.
    void setRecovery(RecoveryStore& store);
    // Where the print commands send their pages; the print dialog's choice unless set.
    void setPrinterChoice(std::unique_ptr<PrinterChoice> printers);

    // Reads the stored switches and shows the notice unless skipped; false when the player
    // refused it (the program ends then).
    bool Form_Load();

    // Shared state read by other windows.
    int ColumnCount() const { return m_settings.columnCount(); }
    bool WarningsOn() const { return m_settings.warningsOn(); }
    qint64 StakePerRowCents() const;
    QString PriceText() const { return m_priceText; }
    int GameNumber() const;
    RowListModel& rowList() { return m_rows; }
    // The undo history of the row list, for a ListCommand around a change made from outside.
    RowListHistory& listHistory() { return *m_history; }
    // Whether the "Järjestelmä" tab is shown.
    bool systemTabShown() const;
    // The rows' values (rowValue(), rowValueChanged()) for the windows that use them.
    ValueCommands& valueCommands() { return *m_values; }
    // The bet as it stands, as printing and net play read it.
    BetSnapshot bet() const;

    void Lopeta_Kaikki();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdOnNet_Click();
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
    // The menu's marks show the settings; a click only asks for a switch.
    void showColumnMarks(int columns);
    void askAndSwitchColumns(int columns);
    // The mode switch as a command, undone by switching back.
    void switchColumns(int columns);
    void setColumns(int columns);
    void onRowCountChanged(int count);
    void onSystemSizeChanged(qint64 size);
    void openNetPlay();

    std::unique_ptr<Ui::frmSarvento> ui;
    RandomSource& m_random;
    BetSettings m_settings;
    RowListModel m_rows;
    RowListHistory* m_history = nullptr;
    ListDocument* m_document = nullptr;
    RowsTab* m_rowsTab = nullptr;
    GoalGridTab* m_gridTab = nullptr;
    StakeColumn* m_stakes = nullptr;
    StartupSettings m_stored;
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
    ChanceCommands* m_chances = nullptr;
    ValueCommands* m_values = nullptr;
    FilterCommands* m_filter = nullptr;
};
