#pragma once
// The main window. It owns the state other windows read (the row list, the match count, the
// warnings switch, the stake and the goal grid) and stays thin: it reads its controls, calls
// the domain in core/, files/ and settings/, and shows the results.

#include "core/random.h"
#include "core/rowlistmodel.h"
#include "core/systemdraw.h"
#include "settings/settingsstore.h"
#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class frmVertaile;

class frmSarvento : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmSarvento(RandomSource& random = programRandom(), QWidget* parent = nullptr);
    ~frmSarvento() override;

    // Reads the stored switches and shows the notice unless skipped; false when the player
    // refused it (the program ends then).
    bool Form_Load();

    // Shared state read by other windows.
    int ColumnCount() const;
    bool WarningsOn() const { return m_warningsOn; }
    qint64 StakePerRowCents() const { return m_stakePerRowCents; }
    QString PriceText() const { return m_priceText; }
    int GameNumber() const;
    RowListModel& rowList() { return m_rows; }

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
    void SSTab1_Click();

private:
    void buildRowsTab(QWidget* page);
    void buildSystemTab(QWidget* page);
    QWidget* buildRightColumn();
    QWidget* buildBottomStrip();
    void buildMenus();
    void setThirdMatchVisible(bool visible);
    void switchColumns(int columns);
    void askAndSwitchColumns(QAction* clicked, int columns);
    void onRowCountChanged(int count);
    void showResult(const std::array<std::optional<int>, 6>& goals);
    void Systeemi_Tyhjaksi();
    void Systeemi();
    void chkGrid_Click(int team, int goal, bool ticked);
    void showSystemSize();
    void syncGridBoxes();
    void cmd_Arvo_Jarjestelma_Click();
    void cmdHaluttu_Jarjestelma_Click();
    bool maxGoalMissing();
    void lblArvottutxt_DblClick();
    void lblRivimaara_DblClick();
    QCheckBox* gridBox(int team, int goal) const { return m_gridBoxes[size_t(team)][size_t(goal)]; }

    RandomSource& m_random;
    RowListModel m_rows;
    GridDraw m_grid;
    StartupSettings m_stored;
    bool m_warningsOn = true;
    bool m_closingConfirmed = false;
    qint64 m_stakePerRowCents = 0;
    QString m_priceText;
    QPointer<frmVertaile> m_compareWindow;

    // Controls, named as their objectNames.
    QTabWidget* SSTab1;
    std::array<QLineEdit*, 6> txtMaalivah;
    std::array<QLineEdit*, 6> txtMaaliEnint;
    std::array<QLabel*, 6> lbl1;
    QLineEdit* txtKertaa;
    QLineEdit* txtMaali;
    QPushButton* cmdArvo_Tulokset;
    QListView* lstLista;
    QLabel* lblArvottutxt;
    QLabel* lblArvottu;
    QLabel* lblVirhe;
    QLabel* lblSamaTulos;
    QLabel* lblKokoHinta;
    QPushButton* cmdOnNet;
    std::array<QCheckBox*, 12> m_stakeBoxes;
    std::array<QRadioButton*, 6> OptPeli;
    QList<QWidget*> m_thirdMatchWidgets;

    // Goal grid tab.
    std::array<std::array<QCheckBox*, 12>, 6> m_gridBoxes;
    QLabel* lblRivimaara;
    QLabel* lblRiviMaara;
    QPushButton* cmdListaa_Rivit;
    QPushButton* cmdNollaaSysteemi;
    QPushButton* cmd_Arvo_Jarjestelma;
    QCheckBox* ChkArvo_Koko_Rivi;
    QComboBox* cboJarjestelma;
    QPushButton* cmdHaluttu_Jarjestelma;
    QLabel* lblJarjestelma_arvottu;

    // Menus.
    QAction* MnuAvaa;
    QAction* MnuTallenna;
    QAction* MnuVetaile;
    QAction* MnuLopeta;
    QAction* MnuPoistavalitutListalta;
    QAction* MnuTyhjennaLista;
    QAction* MnuTyhjennaMaalit;
    QAction* MnuTyhjennaKaikki;
    QAction* MnuTulostaKupongille;
    QAction* MnuTulostaValitutKupongille;
    QAction* MnuTulostaLista;
    QAction* MnuTulostaSysteemiKupongille;
    QAction* MnuMuutaTulostusKohtaa;
    QAction* MnuVaroitukset;
    QAction* MnuSarake2;
    QAction* MnuSarake3;
    QAction* MnuInfo;
};
