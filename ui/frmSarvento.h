#pragma once
// The main window. It owns the state other windows read (the row list, the match count, the
// warnings switch, the stake and the goal grid), keeps the menus and the rows tab, and wires
// the areas together: the goal-grid tab (GoalGridTab) and the stake column (StakeColumn) do
// their own work and tell of changes by signals. Long work (draws, file reads) runs in the
// domain below with a progress callback; this window only shows the progress.

#include "core/random.h"
#include "core/rowlistmodel.h"
#include "settings/settingsstore.h"
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class BonusMenu;
class CouponPrinting;
class GoalGridTab;
class InstanceCheck;
class QAction;
class QLabel;
class QLineEdit;
class QUndoStack;
class RecentFilesMenu;
class RowListChange;
class StakeColumn;
class UrlOpener;
class frmTilastot;
class frmVertaile;
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
    void setNetPlayServices(UrlOpener& browser, InstanceCheck& otherCopies);

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
    GoalGridTab& goalGrid() { return *m_gridTab; }
    StakeColumn& stakes() { return *m_stakes; }
    // Whether the "Järjestelmä" tab is shown.
    bool systemTabShown() const;

    // What "&Avaa" does once a file is chosen (also for recent and dropped files).
    void openRowFile(const QString& path);

    // Every change of the row list becomes one undo entry when the event that made it is done.
    void sealListChange();
    void MnuKumoa_Click();
    void MnuTeeUudelleen_Click();

    void Laske_Koko_Hinta();
    void Tarkista_Valinta();
    void SuoritaVirhe(int limitError);
    void Sarake2();
    void Sarake3();
    void Lopeta_Kaikki();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdArvo_Tulokset_Click();
    void cmdOnNet_Click();
    void MnuSarake2_Click();
    void MnuSarake3_Click();
    void MnuVaroitukset_Click();
    void MnuInfo_Click();
    void MnuAvaa_Click();
    void MnuTallenna_Click();
    void MnuVetaile_Click();
    void MnuKomentoja_Click();
    void MnuPoistavalitutListalta_Click();
    void MnuTyhjennaLista_Click();
    void MnuTyhjennaMaalit_Click();
    void MnuTyhjennaKaikki_Click();
    void MnuTilastot_Click();
    void SSTab1_Click();

private:
    void buildLimitBoxes();
    void buildResultLabels();
    void nameMenus();
    void connectMenus();
    void connectPrintMenu();
    void connectFileComforts();
    void setThirdMatchVisible(bool visible);
    void switchColumns(int columns);
    void askAndSwitchColumns(QAction* clicked, int columns);
    void onRowCountChanged(int count);
    void onSystemSizeChanged(qint64 size);
    void showResult(const std::array<std::optional<int>, 6>& goals);
    void showLimitError(int limitError);
    void lblArvottutxt_DblClick();
    void openNetPlay();
    void connectUndo();
    void scheduleSeal();

    std::unique_ptr<Ui::frmSarvento> ui;
    RandomSource& m_random;
    RowListModel m_rows;
    GoalGridTab* m_gridTab = nullptr;
    StakeColumn* m_stakes = nullptr;
    StartupSettings m_stored;
    bool m_warningsOn = true;
    bool m_closingConfirmed = false;
    // The row count label is blank after a mode switch until the list changes; while blank,
    // the rows are not priced.
    bool m_rowCountShown = true;
    QString m_priceText;
    QPointer<frmVertaile> m_compareWindow;
    QPointer<frmTilastot> m_statisticsWindow;
    UrlOpener* m_browser = nullptr;
    InstanceCheck* m_otherCopies = nullptr;
    BonusMenu* m_bonus = nullptr;
    CouponPrinting* m_printing = nullptr;
    QUndoStack* m_undo = nullptr;
    RecentFilesMenu* m_recentFiles = nullptr;
    std::unique_ptr<RowListChange> m_pendingChange;
    bool m_sealScheduled = false;
    bool m_drawing = false; // a draw lets events through; its rows are one entry

    std::array<QLineEdit*, 6> txtMaalivah{};
    std::array<QLineEdit*, 6> txtMaaliEnint{};
    std::array<QLabel*, 6> lbl1{};
    QList<QWidget*> m_thirdMatchWidgets;
};
