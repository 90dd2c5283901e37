#include "ui/frmSarvento.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/resultdraw.h"
#include "ui/dialogs.h"
#include "ui/frmAbout.h"
#include "ui/frmSamaTulos.h"
#include "ui/frmVertaile.h"
#include "ui/rowfiledialogs.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString AppTitle = QStringLiteral("Sarvento");
const char* const StakeNames[12] = {"Chk1Markka",   "Chk2Markka",   "Chk3Markka",   "Chk5Markka",
                                    "Chk10markka",  "Chk20Markka",  "Chk30Markka",  "Chk50Markka",
                                    "Chk100Markka", "Chk200Markka", "Chk300Markka", "Chk500Markka"};
const char* const StakeCaptions[12] = {"0,2", "0,3", "0,5", "1",  "2",  "3",
                                       "5",   "10",  "20",  "30", "50", "100"};
// Draws of this many rows or more show a progress window that can stop them.
constexpr qint64 ProgressFrom = 20000;
constexpr qint64 DrawBatch = 20000;
constexpr qint64 AppendBatch = 1000000;
// More draws than this in one click could not fit in the list anyway.
constexpr qint64 MaxDrawCount = 100'000'000;
// The system sizes offered in the wanted-size box.
constexpr int SystemSizes[] = {
    2,    3,    4,    6,    8,    9,    12,   16,   18,   24,   27,   32,   36,   48,   54,   60,
    64,   72,   80,   81,   96,   108,  120,  128,  144,  160,  162,  180,  192,  216,  240,  243,
    256,  270,  288,  320,  324,  360,  384,  405,  432,  480,  486,  512,  540,  576,  600,  640,
    648,  720,  729,  768,  810,  864,  900,  960,  972,  1024, 1080, 1152, 1200, 1215, 1280, 1296,
    1350, 1440, 1536, 1600, 1620, 1728, 1800, 1920, 1944, 2025, 2048, 2160, 2250, 2304, 2400, 2560,
    2592, 2700, 2880, 3000, 3072, 3200, 3240, 3375, 3456, 3600, 3840, 4000, 4050, 4096};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

QString indexed(const char* name, int index)
{
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}
} // namespace

frmSarvento::frmSarvento(RandomSource& random, QWidget* parent)
    : QMainWindow(parent), m_random(random), m_grid(random)
{
    setObjectName(QStringLiteral("frmSarvento"));
    setWindowTitle(AppTitle);

    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto* rowsPage = new QWidget;
    auto* systemPage = new QWidget;
    buildRowsTab(rowsPage);
    buildSystemTab(systemPage);
    SSTab1->addTab(rowsPage, QStringLiteral("Rivit"));
    SSTab1->addTab(systemPage, QStringLiteral("Järjestelmä"));
    layout->addWidget(SSTab1, 0, 0);
    layout->addWidget(buildRightColumn(), 0, 1, 2, 1);
    layout->addWidget(buildBottomStrip(), 1, 0);
    setCentralWidget(central);
    buildMenus();

    connect(SSTab1, &QTabWidget::currentChanged, this, &frmSarvento::SSTab1_Click);
    connect(&m_rows, &RowListModel::countChanged, this, &frmSarvento::onRowCountChanged);
    Laske_Koko_Hinta();
}

frmSarvento::~frmSarvento() = default;

void frmSarvento::buildRowsTab(QWidget* page)
{
    auto* layout = new QGridLayout(page);

    auto* fraMaalit = new QGroupBox(QStringLiteral("Maalirajat joukkueille"), page);
    fraMaalit->setObjectName(QStringLiteral("fraMaalit"));
    fraMaalit->setToolTip(QStringLiteral("Määritä Max/Min maalit per. joukkue."));
    auto* limits = new QGridLayout(fraMaalit);
    const char* heads[3] = {"Label3", "Label6", "Label4"};
    const char* sides[6] = {"Label1", "Label11", "Label10", "Label9", "lbl_K3", "lbl_V3"};
    for (int match = 0; match < 3; ++match) {
        QLabel* head =
            makeLabel(fraMaalit, heads[match], QStringLiteral("%1. Kohde").arg(match + 1));
        limits->addWidget(head, 0, 1 + 2 * match, 1, 2, Qt::AlignCenter);
        if (match == 2)
            m_thirdMatchWidgets << head;
    }
    for (int k = 0; k < 6; ++k) {
        QLabel* side =
            makeLabel(fraMaalit, sides[k], k % 2 ? QStringLiteral("V") : QStringLiteral("K"));
        limits->addWidget(side, 1, 1 + k, Qt::AlignCenter);
        if (k >= 4)
            m_thirdMatchWidgets << side;
    }
    limits->addWidget(makeLabel(fraMaalit, "Label7", QStringLiteral("Vähint.")), 2, 0);
    limits->addWidget(makeLabel(fraMaalit, "Label5", QStringLiteral("Enint.")), 3, 0);
    auto goalBox = [this](QWidget* parent, const QString& name, const QString& tip) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(name);
        box->setToolTip(tip);
        box->setMaxLength(2);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), box));
        box->setMaximumWidth(32);
        box->installEventFilter(this);
        return box;
    };
    for (int k = 0; k < 6; ++k) {
        txtMaalivah[size_t(k)] =
            goalBox(fraMaalit, indexed("txtMaalivah", k), QStringLiteral(" Anna luku 1-9. "));
        txtMaaliEnint[size_t(k)] =
            goalBox(fraMaalit, indexed("txtMaaliEnint", k), QStringLiteral(" Anna luku 1-9. "));
        limits->addWidget(txtMaalivah[size_t(k)], 2, 1 + k);
        limits->addWidget(txtMaaliEnint[size_t(k)], 3, 1 + k);
        if (k >= 4)
            m_thirdMatchWidgets << txtMaalivah[size_t(k)] << txtMaaliEnint[size_t(k)];
    }
    layout->addWidget(fraMaalit, 0, 0, 1, 2);

    auto* drawRow = new QHBoxLayout;
    cmdArvo_Tulokset = new QPushButton(QStringLiteral("Arvo lopputulokset"), page);
    cmdArvo_Tulokset->setObjectName(QStringLiteral("cmdArvo_Tulokset"));
    cmdArvo_Tulokset->setToolTip(
        QStringLiteral(" Arpoo satunnaiset tulokset - Max maalimäärän rajoissa."));
    txtKertaa = new QLineEdit(QStringLiteral("1"), page);
    txtKertaa->setObjectName(QStringLiteral("txtKertaa"));
    txtKertaa->setToolTip(QStringLiteral(" Montako riviä arvotaan."));
    txtKertaa->setMaximumWidth(80);
    txtKertaa->installEventFilter(this);
    drawRow->addWidget(cmdArvo_Tulokset);
    drawRow->addWidget(txtKertaa);
    drawRow->addWidget(makeLabel(page, "Label2", QStringLiteral("Riviä")));
    drawRow->addStretch();
    layout->addLayout(drawRow, 1, 0, 1, 2);
    connect(cmdArvo_Tulokset, &QPushButton::clicked, this, &frmSarvento::cmdArvo_Tulokset_Click);

    lstLista = new QListView(page);
    lstLista->setObjectName(QStringLiteral("lstLista"));
    lstLista->setToolTip(QStringLiteral("Ruksaamalla rivi(t) voit tulostaa / poistaa niitä. "));
    lstLista->setUniformItemSizes(true);
    lstLista->setModel(&m_rows);
    lstLista->setStyleSheet(QStringLiteral("QListView { background-color: rgb(192, 255, 192); }"));
    layout->addWidget(lstLista, 2, 0, 2, 1);

    auto* fraTulokset = new QGroupBox(QStringLiteral("Lopputulokset"), page);
    fraTulokset->setObjectName(QStringLiteral("fraTulokset"));
    auto* results = new QGridLayout(fraTulokset);
    const char* resultHeads[3] = {"lblKohde1", "lblKohde2", "lblKohde3"};
    const QString resultCaptions[3] = {QStringLiteral("1.Kohde"), QStringLiteral("2. Kohde"),
                                       QStringLiteral("3. Kohde")};
    QFont resultFont(QStringLiteral("Arial"));
    resultFont.setPointSizeF(14.25);
    resultFont.setBold(true);
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(fraTulokset, resultHeads[match], resultCaptions[match]);
        results->addWidget(head, 3 * match, 0, 1, 2, Qt::AlignCenter);
        for (int side = 0; side < 2; ++side) {
            const int k = 2 * match + side;
            QLabel* goal = makeLabel(fraTulokset, "", QString());
            goal->setObjectName(indexed("lbl1", k));
            goal->setFont(resultFont);
            goal->setAlignment(Qt::AlignCenter);
            goal->setMinimumWidth(32);
            goal->setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
            lbl1[size_t(k)] = goal;
            results->addWidget(goal, 3 * match + 1, side);
        }
        auto* line = new QFrame(fraTulokset);
        line->setObjectName(QStringLiteral("Line%1").arg(match + 1));
        line->setFrameShape(QFrame::HLine);
        results->addWidget(line, 3 * match + 2, 0, 1, 2);
        if (match == 2)
            m_thirdMatchWidgets << head << lbl1[4] << lbl1[5] << line;
    }
    layout->addWidget(fraTulokset, 2, 1);

    auto* counter = new QHBoxLayout;
    lblArvottutxt = makeLabel(page, "lblArvottutxt", QStringLiteral("Rivimäärä"));
    lblArvottutxt->installEventFilter(this);
    lblArvottu = makeLabel(page, "lblArvottu", QStringLiteral("0"));
    lblArvottu->setToolTip(QStringLiteral(" Arvottujen ja / tai avattujen rivien määrä."));
    counter->addWidget(lblArvottutxt);
    counter->addWidget(lblArvottu);
    layout->addLayout(counter, 3, 1);
    layout->setRowStretch(2, 1);
}

void frmSarvento::buildSystemTab(QWidget* page)
{
    auto* layout = new QGridLayout(page);
    const char* heads[3] = {"lblKohde_1", "lblKohde_2", "lblKohde_3"};
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(page, heads[match], QStringLiteral("%1.  Kohde").arg(match + 1));
        layout->addWidget(head, 0, match, Qt::AlignCenter);
        auto* frame = new QGroupBox(QStringLiteral("Koti    Vieras"), page);
        frame->setObjectName(QStringLiteral("FraPeli%1").arg(match + 1));
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(0);
        for (int side = 0; side < 2; ++side) {
            const int team = 2 * match + side;
            const QString column =
                (side == 0 ? QStringLiteral("chkKoti") : QStringLiteral("chkVieras")) +
                QString::number(match + 1);
            for (int goal = 0; goal < 12; ++goal) {
                auto* box = new QCheckBox(QString::number(goal), frame);
                box->setObjectName(column + QLatin1Char('_') + QString::number(goal));
                m_gridBoxes[size_t(team)][size_t(goal)] = box;
                grid->addWidget(box, goal, side);
                connect(box, &QCheckBox::toggled, this,
                        [this, team, goal](bool ticked) { chkGrid_Click(team, goal, ticked); });
            }
        }
        layout->addWidget(frame, 1, match, 8, 1);
        if (match == 2)
            m_thirdMatchWidgets << head << frame;
    }

    auto* side = new QVBoxLayout;
    auto* count = new QHBoxLayout;
    lblRivimaara = makeLabel(page, "lblRivimäärä", QStringLiteral("Rivimäärä"));
    lblRivimaara->installEventFilter(this);
    lblRiviMaara = makeLabel(page, "lblRiviMaara", QStringLiteral("0"));
    count->addWidget(lblRivimaara);
    count->addWidget(lblRiviMaara);
    side->addLayout(count);
    auto button = [page](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, page);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(tip);
        return b;
    };
    cmdListaa_Rivit = button("cmdListaa_Rivit", QStringLiteral("Listaa rivit"),
                             QStringLiteral("Listaa järjestelmän rivit"));
    cmdNollaaSysteemi = button("cmdNollaaSysteemi", QStringLiteral("Tyhjennä"),
                               QStringLiteral("Tyhjentää järjestelmä ruudukon."));
    cmd_Arvo_Jarjestelma = button("cmd_Arvo_Jarjestelma", QStringLiteral("Arvo"),
                                  QStringLiteral("Arvo rivi max maalimäärän rajoissa."));
    ChkArvo_Koko_Rivi = new QCheckBox(QStringLiteral("Koko rivi"), page);
    ChkArvo_Koko_Rivi->setObjectName(QStringLiteral("ChkArvo_Koko_Rivi"));
    ChkArvo_Koko_Rivi->setToolTip(QStringLiteral("Arvo rivi / vain yksi tulos. "));
    ChkArvo_Koko_Rivi->setChecked(true);
    cboJarjestelma = new QComboBox(page);
    cboJarjestelma->setObjectName(QStringLiteral("cboJarjestelma"));
    cboJarjestelma->setToolTip(QStringLiteral("Valitse järjestelmä tai syötä haluttu."));
    cboJarjestelma->setEditable(true);
    cboJarjestelma->setInsertPolicy(QComboBox::NoInsert);
    cmdHaluttu_Jarjestelma =
        button("cmdHaluttu_Jarjestelma", QStringLiteral("Järjestelmä"),
               QStringLiteral(" Arvo haluttu järjestelmä, yritän 300 kertaa.  "));
    cmdHaluttu_Jarjestelma->setEnabled(false);
    cboJarjestelma->addItem(QString());
    for (int size : SystemSizes)
        cboJarjestelma->addItem(QString::number(size));
    cboJarjestelma->setCurrentIndex(0);
    connect(cboJarjestelma, &QComboBox::editTextChanged, this,
            [this](const QString& text) { cmdHaluttu_Jarjestelma->setEnabled(!text.isEmpty()); });
    connect(cmdListaa_Rivit, &QPushButton::clicked, this, &frmSarvento::Systeemi);
    connect(cmdNollaaSysteemi, &QPushButton::clicked, this, &frmSarvento::Systeemi_Tyhjaksi);
    connect(cmd_Arvo_Jarjestelma, &QPushButton::clicked, this,
            &frmSarvento::cmd_Arvo_Jarjestelma_Click);
    connect(cmdHaluttu_Jarjestelma, &QPushButton::clicked, this,
            &frmSarvento::cmdHaluttu_Jarjestelma_Click);
    lblJarjestelma_arvottu = makeLabel(page, "lblJarjestelma_arvottu", QString());
    lblJarjestelma_arvottu->setToolTip(QStringLiteral(" Järjestelmää yritetty arpoa.  "));
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdListaa_Rivit, cmdNollaaSysteemi, cmd_Arvo_Jarjestelma, ChkArvo_Koko_Rivi,
             cboJarjestelma, cmdHaluttu_Jarjestelma, lblJarjestelma_arvottu})
        side->addWidget(w);
    side->addStretch();
    layout->addLayout(side, 0, 3, 9, 1);
}

QWidget* frmSarvento::buildRightColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* FraPanos = new QGroupBox(QStringLiteral("Panos € / veto"), column);
    FraPanos->setObjectName(QStringLiteral("FraPanos"));
    FraPanos->setToolTip(QStringLiteral("Valiset haluamasi panos 0,2-100 "));
    auto* stakes = new QGridLayout(FraPanos);
    for (int i = 0; i < 12; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(StakeCaptions[i]), FraPanos);
        box->setObjectName(QString::fromLatin1(StakeNames[i]));
        box->setChecked(i == 0);
        m_stakeBoxes[size_t(i)] = box;
        stakes->addWidget(box, i % 6, i / 6);
        connect(box, &QCheckBox::toggled, this, &frmSarvento::Laske_Koko_Hinta);
    }
    layout->addWidget(FraPanos);

    auto* fraPelinumero = new QGroupBox(QStringLiteral("Pelinumero"), column);
    fraPelinumero->setObjectName(QStringLiteral("fraPelinumero"));
    fraPelinumero->setToolTip(QStringLiteral("Valitse oikea pelinumero 1 - 6."));
    auto* games = new QGridLayout(fraPelinumero);
    for (int i = 0; i < 6; ++i) {
        auto* option = new QRadioButton(QString::number(i + 1), fraPelinumero);
        option->setObjectName(QStringLiteral("OptPeli%1").arg(i + 1));
        option->setChecked(i == 0);
        OptPeli[size_t(i)] = option;
        games->addWidget(option, i / 3, i % 3);
    }
    layout->addWidget(fraPelinumero);
    layout->addStretch();

    auto* Frame1 = new QGroupBox(QStringLiteral("Pelin arvo €"), column);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* price = new QVBoxLayout(Frame1);
    lblKokoHinta = makeLabel(Frame1, "lblKokoHinta", QString());
    QFont priceFont = lblKokoHinta->font();
    priceFont.setBold(true);
    priceFont.setPointSize(priceFont.pointSize() + 2);
    lblKokoHinta->setFont(priceFont);
    lblKokoHinta->setAlignment(Qt::AlignCenter);
    price->addWidget(lblKokoHinta);
    layout->addWidget(Frame1);

    cmdOnNet = new QPushButton(QStringLiteral("OnNet"), column);
    cmdOnNet->setObjectName(QStringLiteral("cmdOnNet"));
    cmdOnNet->setToolTip(QStringLiteral("Pelaa netissä."));
    connect(cmdOnNet, &QPushButton::clicked, this, &frmSarvento::cmdOnNet_Click);
    layout->addWidget(cmdOnNet);
    return column;
}

QWidget* frmSarvento::buildBottomStrip()
{
    auto* strip = new QWidget(this);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* fraMaxMaali = new QGroupBox(QStringLiteral("Max Maalimäärä"), strip);
    fraMaxMaali->setObjectName(QStringLiteral("fraMaxMaali"));
    fraMaxMaali->setToolTip(QStringLiteral(" Anna maaliluku arvontaan, 0 - 9. "));
    auto* maxLayout = new QHBoxLayout(fraMaxMaali);
    txtMaali = new QLineEdit(fraMaxMaali);
    txtMaali->setObjectName(QStringLiteral("txtMaali"));
    txtMaali->setMaxLength(2);
    txtMaali->setMaximumWidth(40);
    txtMaali->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}")), txtMaali));
    txtMaali->installEventFilter(this);
    maxLayout->addWidget(txtMaali);
    maxLayout->addWidget(makeLabel(fraMaxMaali, "LblMaxMaaliMaara", QString()));
    layout->addWidget(fraMaxMaali);

    lblSamaTulos = makeLabel(strip, "lblSamaTulos", QStringLiteral("SAMA TULOS EI LISÄYSTÄ"));
    QFont courier(QStringLiteral("Courier"));
    courier.setPointSize(15);
    courier.setBold(true);
    lblSamaTulos->setFont(courier);
    lblSamaTulos->setStyleSheet(
        QStringLiteral("color: yellow; background-color: rgb(192, 64, 0);"));
    lblSamaTulos->hide();
    layout->addWidget(lblSamaTulos);

    lblVirhe = makeLabel(strip, "lblVirhe", QString());
    lblVirhe->setStyleSheet(QStringLiteral("color: black; background-color: yellow;"));
    lblVirhe->hide();
    layout->addWidget(lblVirhe);
    layout->addStretch();
    return strip;
}

void frmSarvento::buildMenus()
{
    auto menu = [this](const char* name, const QString& title) {
        QMenu* m = menuBar()->addMenu(title);
        m->setObjectName(QString::fromUtf8(name));
        m->menuAction()->setObjectName(QString::fromUtf8(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromUtf8(name));
        return a;
    };
    auto separator = [](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromUtf8(name));
    };

    QMenu* MnuTiedosto = menu("MnuTiedosto", QStringLiteral("&Tiedosto"));
    MnuAvaa = item(MnuTiedosto, "MnuAvaa", QStringLiteral("&Avaa"));
    MnuTallenna = item(MnuTiedosto, "MnuTallenna", QStringLiteral("&Tallenna"));
    MnuVetaile = item(MnuTiedosto, "MnuVetaile", QStringLiteral("&Vertaile"));
    separator(MnuTiedosto, "MnuVali");
    MnuLopeta = item(MnuTiedosto, "MnuLopeta", QStringLiteral("&Lopeta"));
    connect(MnuLopeta, &QAction::triggered, this, &QWidget::close);
    connect(MnuAvaa, &QAction::triggered, this, &frmSarvento::MnuAvaa_Click);
    connect(MnuTallenna, &QAction::triggered, this, &frmSarvento::MnuTallenna_Click);
    connect(MnuVetaile, &QAction::triggered, this, &frmSarvento::MnuVetaile_Click);
    connect(MnuTiedosto, &QMenu::aboutToShow, this,
            [this] { MnuTallenna->setEnabled(!m_rows.isEmpty()); });

    QMenu* MnuKomentoja = menu("MnuKomentoja", QStringLiteral("&Muokkaa"));
    MnuPoistavalitutListalta =
        item(MnuKomentoja, "MnuPoistavalitutListalta", QStringLiteral("&Poista valitut listalta"));
    MnuPoistavalitutListalta->setEnabled(false);
    separator(MnuKomentoja, "MnuVali2");
    MnuTyhjennaLista = item(MnuKomentoja, "MnuTyhjennäLista", QStringLiteral("Tyhjennä &lista"));
    MnuTyhjennaMaalit =
        item(MnuKomentoja, "MnuTyhjennäMaalit", QStringLiteral("Tyhjennä &maalit "));
    MnuTyhjennaKaikki = item(MnuKomentoja, "MnuTyhjennäKaikki", QStringLiteral("Tyhjennä &kaikki"));
    connect(MnuKomentoja, &QMenu::aboutToShow, this, &frmSarvento::MnuKomentoja_Click);
    connect(MnuPoistavalitutListalta, &QAction::triggered, this,
            &frmSarvento::MnuPoistavalitutListalta_Click);
    connect(MnuTyhjennaLista, &QAction::triggered, this, &frmSarvento::MnuTyhjennaLista_Click);
    connect(MnuTyhjennaMaalit, &QAction::triggered, this, &frmSarvento::MnuTyhjennaMaalit_Click);
    connect(MnuTyhjennaKaikki, &QAction::triggered, this, &frmSarvento::MnuTyhjennaKaikki_Click);

    QMenu* MnuTulosta = menu("MnuTulosta", QStringLiteral("T&ulosta"));
    MnuTulostaKupongille =
        item(MnuTulosta, "MnuTulostaKupongille", QStringLiteral("&Rivit Kupongille"));
    MnuTulostaValitutKupongille =
        item(MnuTulosta, "MnuTulostaValitutKupongille", QStringLiteral("&Valitut kupongille"));
    MnuTulostaLista = item(MnuTulosta, "MnuTulostaLista", QStringLiteral("Rivit &paperille"));
    MnuTulostaSysteemiKupongille =
        item(MnuTulosta, "MnuTulostaSysteemiKupongille", QStringLiteral("&Järjestelmä kupongille"));

    QMenu* MnuAsetuksia = menu("MnuAsetuksia", QStringLiteral("&Asetukset"));
    MnuMuutaTulostusKohtaa =
        item(MnuAsetuksia, "MnuMuutaTulostusKohtaa", QStringLiteral("&Muuta tulostus kohtaa"));
    MnuVaroitukset = item(MnuAsetuksia, "MnuVaroitukset", QStringLiteral("&Varoitukset"));
    MnuVaroitukset->setCheckable(true);
    MnuVaroitukset->setChecked(true);
    separator(MnuAsetuksia, "MnuVali4");
    MnuSarake2 = item(MnuAsetuksia, "MnuSarake2", QStringLiteral("Sarakemäärä 2"));
    MnuSarake3 = item(MnuAsetuksia, "MnuSarake3", QStringLiteral("Sarakemäärä 3"));
    MnuSarake2->setCheckable(true);
    MnuSarake3->setCheckable(true);
    MnuSarake3->setChecked(true);
    MnuInfo = item(MnuAsetuksia, "MnuInfo", QStringLiteral("Infoa ohjelmasta"));
    connect(MnuVaroitukset, &QAction::triggered, this, &frmSarvento::MnuVaroitukset_Click);
    connect(MnuSarake2, &QAction::triggered, this, &frmSarvento::MnuSarake2_Click);
    connect(MnuSarake3, &QAction::triggered, this, &frmSarvento::MnuSarake3_Click);
    connect(MnuInfo, &QAction::triggered, this, &frmSarvento::MnuInfo_Click);

    QMenu* MnuBonus = menu("MnuBonus", QStringLiteral("&Bonus"));
    QList<QAction*> later = {MnuTulostaKupongille, MnuTulostaValitutKupongille, MnuTulostaLista,
                             MnuTulostaSysteemiKupongille, MnuMuutaTulostusKohtaa};
    later << item(MnuBonus, "MnuLotto", QStringLiteral("Lotto"))
          << item(MnuBonus, "MnuVakio", QStringLiteral("Vakio"))
          << item(MnuBonus, "MnuRandom", QStringLiteral("Random"))
          << item(MnuBonus, "MnuKeno", QStringLiteral("Keno"))
          << item(MnuBonus, "MnuVeto", QStringLiteral("Pitkäveto"));
    // Windows that are not there yet stay disabled.
    for (QAction* a : later)
        a->setEnabled(false);
}

bool frmSarvento::Form_Load()
{
    m_warningsOn = true;
    m_stored = StartupSettings::load();
    m_warningsOn = m_stored.warningsOn;
    MnuVaroitukset->setChecked(m_warningsOn);
    txtKertaa->setText(QStringLiteral("1"));
    SSTab1->setCurrentIndex(0);
    lblRiviMaara->setText(QStringLiteral("0"));
    if (m_stored.skipNotice)
        return true;
    frmAbout notice(m_stored, this);
    ModalRunner::exec(notice);
    // Without acceptance there is no way on, also when the notice was closed from its title bar.
    return !notice.refused() && m_stored.accepted;
}

int frmSarvento::ColumnCount() const
{
    return MnuSarake2->isChecked() ? 2 : 3;
}

int frmSarvento::GameNumber() const
{
    for (int i = 0; i < 6; ++i)
        if (OptPeli[size_t(i)]->isChecked())
            return i + 1;
    return 1;
}

void frmSarvento::Laske_Koko_Hinta()
{
    m_stakePerRowCents = 0;
    for (size_t i = 0; i < m_stakeBoxes.size(); ++i)
        if (m_stakeBoxes[i]->isChecked())
            m_stakePerRowCents += Money::StakeBoxCents[i];
    if (SSTab1->currentIndex() == 0) {
        if (lblArvottu->text().isEmpty())
            return;
        const qint64 price = m_stakePerRowCents * m_rows.count();
        lblKokoHinta->setText(Money::formatCents(price));
        if (price > 0 && lblVirhe->text() == QLatin1String("Tarkista panos"))
            lblVirhe->hide();
    } else {
        if (lblRiviMaara->text().isEmpty())
            return;
        const qint64 size = parseWholeNumber(lblRiviMaara->text()).value_or(0);
        lblKokoHinta->setText(Money::formatCents(m_stakePerRowCents * size));
    }
    m_priceText = lblKokoHinta->text();
}

void frmSarvento::SSTab1_Click()
{
    if (lblRiviMaara->text().isEmpty())
        lblRiviMaara->setText(QStringLiteral("0"));
    Laske_Koko_Hinta();
}

void frmSarvento::onRowCountChanged(int count)
{
    lblArvottu->setText(QString::number(count));
    Laske_Koko_Hinta();
}

void frmSarvento::Tarkista_Valinta()
{
    const bool anyTicked = m_rows.checkedCount() > 0;
    MnuPoistavalitutListalta->setEnabled(anyTicked);
    // Printing the ticked rows becomes possible with the coupon printer.
    MnuTulostaValitutKupongille->setEnabled(false);
}

void frmSarvento::SuoritaVirhe(int limitError)
{
    lblVirhe->setText(QStringLiteral("Tarkista maalirajat :\r") + limitErrorText(limitError));
    lblVirhe->show();
}

void frmSarvento::cmdArvo_Tulokset_Click()
{
    lblVirhe->hide();
    const int columns = ColumnCount();
    const auto requested = parseWholeNumber(txtKertaa->text(), MaxDrawCount);
    if (!txtKertaa->text().trimmed().isEmpty() && !requested) {
        MessageBox::show(this, AppTitle, QStringLiteral("Tarkista annetut Maaliluvut"));
        return;
    }
    qint64 count = requested.value_or(0);
    if (count < 1) {
        count = 1;
        txtKertaa->setText(QStringLiteral("1"));
    }

    GoalLimitTexts limits;
    limits.overallMax = txtMaali->text();
    for (size_t k = 0; k < 6; ++k) {
        limits.teamMax[k] = txtMaaliEnint[k]->text();
        limits.teamMin[k] = txtMaalivah[k]->text();
    }
    const ResultDrawer drawer(limits, columns);
    const LimitCheckResult check = drawer.check();
    switch (check.status) {
    case LimitCheck::NotANumber:
        MessageBox::show(this, AppTitle, QStringLiteral("Tarkista annetut Maaliluvut"));
        return;
    case LimitCheck::MissingMax:
        if (m_warningsOn)
            MessageBox::show(this, QStringLiteral("Herätys pelimies"), limitErrorText(6));
        else
            SuoritaVirhe(6);
        txtMaali->setFocus();
        return;
    case LimitCheck::TeamError:
        lblSamaTulos->hide();
        SuoritaVirhe(check.team);
        return;
    case LimitCheck::Ok:
        break;
    }
    lblSamaTulos->hide();

    std::unique_ptr<QProgressDialog> progress;
    if (count >= ProgressFrom) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Arvotaan rivejä..."),
                                                     QStringLiteral("Keskeytä"), 0, 1000, this);
        progress->setWindowTitle(AppTitle);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
    }
    // Rows reach the list in few large appends: every append makes the view lay out anew.
    std::vector<ScoreRow> pending;
    std::array<std::optional<int>, 6> last;
    bool lastWasNew = true;
    auto flush = [&] {
        lastWasNew = m_rows.appendNew(pending) > 0;
        pending.clear();
    };
    for (qint64 done = 0; done < count;) {
        const qint64 size = std::min(DrawBatch, count - done);
        last = drawer.drawRows(size, m_random, pending);
        done += size;
        if (qint64(pending.size()) >= AppendBatch)
            flush();
        if (progress) {
            progress->setValue(int(done * 1000 / count));
            if (progress->wasCanceled())
                break;
        }
    }
    if (!pending.empty())
        flush();
    showResult(last);
    if (count == 1 && !lastWasNew)
        lblSamaTulos->show();
    lblArvottu->repaint();
}

void frmSarvento::showResult(const std::array<std::optional<int>, 6>& goals)
{
    for (size_t k = 0; k < 6; ++k)
        if (goals[k])
            lbl1[k]->setText(QString::number(*goals[k]));
}

void frmSarvento::cmdOnNet_Click()
{
    if (lblRiviMaara->text() == QLatin1String("0") && m_rows.isEmpty())
        return;
    Laske_Koko_Hinta();
    const qint64 price = Money::parseCents(lblKokoHinta->text()).value_or(0);
    if (price != 0) {
        // Net play opens here once its window exists; until then nothing is sent anywhere.
        return;
    }
    lblVirhe->setText(QStringLiteral("Tarkista panos"));
    lblVirhe->show();
}

void frmSarvento::askAndSwitchColumns(QAction* clicked, int columns)
{
    // A checkable action flips its own mark on a click; the mark follows the mode only.
    const bool wasChecked = !clicked->isChecked();
    clicked->setChecked(wasChecked);
    if (wasChecked)
        return;
    if (m_warningsOn &&
        !MessageBox::ask(this, QStringLiteral("Tämä toiminto tyhjää kaikki!!!"),
                         QStringLiteral("Haluatko jatkaa? "), MessageBox::Exclamation))
        return;
    switchColumns(columns);
}

void frmSarvento::MnuSarake2_Click()
{
    askAndSwitchColumns(MnuSarake2, 2);
}

void frmSarvento::MnuSarake3_Click()
{
    askAndSwitchColumns(MnuSarake3, 3);
}

void frmSarvento::switchColumns(int columns)
{
    m_rows.clear();
    MnuTyhjennaMaalit_Click();
    Systeemi_Tyhjaksi();
    txtKertaa->setText(QStringLiteral("1"));
    txtMaali->setFocus();
    lblArvottu->setText(QStringLiteral("0"));
    Laske_Koko_Hinta();
    MnuSarake2->setChecked(columns == 2);
    MnuSarake3->setChecked(columns == 3);
    setThirdMatchVisible(columns == 3);
    lblArvottu->setText(QString());
}

void frmSarvento::Sarake2()
{
    switchColumns(2);
}

void frmSarvento::Sarake3()
{
    switchColumns(3);
}

void frmSarvento::setThirdMatchVisible(bool visible)
{
    for (QWidget* w : std::as_const(m_thirdMatchWidgets))
        w->setVisible(visible);
}

void frmSarvento::syncGridBoxes()
{
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal) {
            QCheckBox* box = gridBox(team, goal);
            const QSignalBlocker quiet(box);
            box->setChecked(m_grid.grid().isTicked(team, goal));
        }
}

void frmSarvento::showSystemSize()
{
    const qint64 size = m_grid.shownSize();
    lblRiviMaara->setText(QString::number(size));
    if (size > 0)
        Laske_Koko_Hinta();
    else
        lblKokoHinta->clear();
}

void frmSarvento::chkGrid_Click(int team, int goal, bool ticked)
{
    if (m_grid.setTicked(team, goal, ticked, ColumnCount()))
        showSystemSize();
}

void frmSarvento::Systeemi_Tyhjaksi()
{
    m_grid.clearGrid();
    syncGridBoxes();
    lblRiviMaara->setText(QStringLiteral("0"));
    lblKokoHinta->setText(QStringLiteral("0"));
    lblJarjestelma_arvottu->clear();
    ChkArvo_Koko_Rivi->setChecked(true);
}

void frmSarvento::Systeemi()
{
    if (parseWholeNumber(lblRiviMaara->text()).value_or(0) < 1)
        return;
    if (!m_rows.isEmpty() &&
        MessageBox::ask(this, QStringLiteral("Poisto"),
                        QStringLiteral("Poistetaanko listalla jo olevat rivit? ")))
        m_rows.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_rows.appendAll(m_grid.grid().rows(ColumnCount()));
    QApplication::restoreOverrideCursor();
    lblArvottu->repaint();
}

bool frmSarvento::maxGoalMissing()
{
    if (!txtMaali->text().isEmpty())
        return false;
    if (m_warningsOn)
        MessageBox::show(this, QStringLiteral("Herätys pelimies"), limitErrorText(6));
    txtMaali->setFocus();
    return true;
}

void frmSarvento::cmd_Arvo_Jarjestelma_Click()
{
    lblJarjestelma_arvottu->clear();
    if (maxGoalMissing())
        return;
    const auto maxGoal = GridDraw::readMaxGoal(txtMaali->text());
    if (!maxGoal) {
        MessageBox::show(this, AppTitle, QStringLiteral("Tarkista annetut Maaliluvut"));
        return;
    }
    m_grid.drawOnce(*maxGoal, ChkArvo_Koko_Rivi->isChecked(), ColumnCount());
    syncGridBoxes();
    showSystemSize();
}

void frmSarvento::cmdHaluttu_Jarjestelma_Click()
{
    const int columns = ColumnCount();
    const QString wantedText = cboJarjestelma->currentText().trimmed();
    const auto wanted = parseWholeNumber(wantedText);
    if (!wanted) {
        MessageBox::show(this, AppTitle, QStringLiteral("Anna järjestelmän kooksi kokonaisluku."));
        return;
    }
    if (*wanted <= 0)
        return;
    if (*wanted > GoalGrid::maxSize(columns)) {
        MessageBox::show(this, AppTitle,
                         QStringLiteral("Suurin mahdollinen järjestelmä on %1 riviä.")
                             .arg(GoalGrid::maxSize(columns)));
        return;
    }
    ChkArvo_Koko_Rivi->setChecked(true);
    if (maxGoalMissing())
        return;
    if (!GridDraw::readMaxGoal(txtMaali->text())) {
        MessageBox::show(this, AppTitle, QStringLiteral("Tarkista annetut Maaliluvut"));
        return;
    }
    const GridDraw::WantedResult result =
        m_grid.drawWanted(*wanted, txtMaali->text(), columns, [this](int attempts) {
            lblJarjestelma_arvottu->setText(QString::number(attempts));
            lblJarjestelma_arvottu->repaint();
            return true;
        });
    cboJarjestelma->setEditText(QString::number(result.wanted));
    syncGridBoxes();
    if (result.reached) {
        showSystemSize();
        lblJarjestelma_arvottu->setText(QString::number(result.attempts));
    } else {
        Systeemi_Tyhjaksi();
    }
}

void frmSarvento::MnuVaroitukset_Click()
{
    // The action has already flipped its own check mark.
    m_warningsOn = MnuVaroitukset->isChecked();
    const QString word = m_warningsOn ? QStringLiteral("päällä") : QStringLiteral("pois");
    if (MessageBox::ask(this, QStringLiteral(" Varoitukset ") + word + QStringLiteral("!!"),
                        QStringLiteral("Asetetaanko tämä oletukseksi?")))
        SettingsStore::write(QStringLiteral("Rekisteri"), QStringLiteral("Varoitus"),
                             SettingsStore::boolText(m_warningsOn));
}

void frmSarvento::MnuInfo_Click()
{
    frmAbout notice(m_stored, this);
    ModalRunner::exec(notice);
    if (!notice.refused())
        return;
    if (m_rows.isEmpty())
        m_closingConfirmed = true; // nothing to lose: end at once
    close();
}

void frmSarvento::MnuTallenna_Click()
{
    if (m_rows.isEmpty())
        return;
    const QString path = FileDialog::getSaveFileName(this, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        !MessageBox::ask(this, QStringLiteral("Tiedosto jo olemassa"),
                         QStringLiteral("Talletetaanko olemassa olevan tiedoston päälle"),
                         MessageBox::Exclamation))
        return;
    RowFileDialogs::write(this, path, m_rows.rows());
}

void frmSarvento::MnuAvaa_Click()
{
    const QString openTitle = QStringLiteral("Tiedostoa ei voi avata");
    const QString path = FileDialog::getOpenFileName(this, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty()) {
        RowFileDialogs::showReadFailure(this, RowFile::Status::CannotOpen, openTitle);
        return;
    }
    const RowFile::ReadResult file = RowFileDialogs::read(this, path);
    if (file.status != RowFile::Status::Ok) {
        RowFileDialogs::showReadFailure(this, file.status, openTitle);
        return;
    }

    if (m_rows.isEmpty()) {
        // The mode follows the file, and only a file of the other width clears the window.
        if (file.columnCount != 0 && file.columnCount != ColumnCount())
            switchColumns(file.columnCount);
        m_rows.appendAll(file.rows);
        return;
    }
    if (file.columnCount != m_rows.at(0).matchCount()) {
        MessageBox::show(this, QStringLiteral("Ei voi avata tiedostoa"),
                         QStringLiteral("Toisessa 2 saraketta ja toisessa 3 saraketta!"),
                         MessageBox::Critical);
        return;
    }
    const bool skipDuplicates = MessageBox::ask(
        this, QStringLiteral("Samat rivit pois "),
        QStringLiteral("Tarkistetaanko onko samoja rivejä\rlistassa ja / tai tiedostossa?? "));
    qint64 skipped = 0;
    {
        BusyCursor busy;
        if (skipDuplicates)
            skipped = qint64(file.rows.size()) - m_rows.appendNew(file.rows);
        else
            m_rows.appendAll(file.rows);
    }
    if (skipped > 0)
        frmSamaTulos::ShowSamaLuku(skipped, this);
}

void frmSarvento::MnuVetaile_Click()
{
    if (!m_compareWindow) {
        m_compareWindow = new frmVertaile(
            m_rows, [this] { return ColumnCount(); }, this);
        m_compareWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_compareWindow, &frmVertaile::closed, this, [this] {
            show();
            raise();
        });
    }
    m_compareWindow->show();
    m_compareWindow->raise();
    m_compareWindow->activateWindow();
}

void frmSarvento::MnuKomentoja_Click()
{
    Tarkista_Valinta();
    const bool hasRows = !m_rows.isEmpty();
    MnuTyhjennaLista->setEnabled(hasRows);
    MnuTyhjennaMaalit->setEnabled(hasRows);
    MnuTyhjennaKaikki->setEnabled(hasRows);
}

void frmSarvento::MnuPoistavalitutListalta_Click()
{
    m_rows.removeChecked();
    Laske_Koko_Hinta();
}

void frmSarvento::MnuTyhjennaLista_Click()
{
    if (!m_rows.isEmpty()) {
        if (!m_warningsOn ||
            MessageBox::ask(this, QStringLiteral("Arvotut rivit katoo!!!"),
                            QStringLiteral("Haluatko jatkaa? "), MessageBox::Exclamation)) {
            m_rows.clear();
            Laske_Koko_Hinta();
        }
    }
    lblArvottu->setText(QString::number(m_rows.count()));
    cmdArvo_Tulokset->setFocus();
}

void frmSarvento::MnuTyhjennaMaalit_Click()
{
    txtMaali->clear();
    for (size_t k = 0; k < 6; ++k) {
        lbl1[k]->clear();
        txtMaaliEnint[k]->clear();
        txtMaalivah[k]->clear();
    }
    txtMaali->setFocus();
}

void frmSarvento::MnuTyhjennaKaikki_Click()
{
    MnuTyhjennaMaalit_Click();
    Systeemi_Tyhjaksi();
    MnuTyhjennaLista_Click();
    for (size_t i = 0; i < m_stakeBoxes.size(); ++i)
        m_stakeBoxes[i]->setChecked(i == 0);
    txtKertaa->setText(QStringLiteral("1"));
    txtMaali->setFocus();
    lblKokoHinta->clear();
}

void frmSarvento::lblArvottutxt_DblClick()
{
    m_rows.checkAll();
}

void frmSarvento::lblRivimaara_DblClick()
{
    // The size label keeps its text until the next box change.
    m_grid.fillAll();
    syncGridBoxes();
    for (size_t i = 0; i < 10; ++i)
        m_stakeBoxes[i]->setChecked(true);
}

bool frmSarvento::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == lblArvottutxt)
            lblArvottutxt_DblClick();
        else if (watched == lblRivimaara)
            lblRivimaara_DblClick();
    } else if (event->type() == QEvent::MouseButtonPress) {
        // Clicking into a number box selects it whole, so typing replaces the value.
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmSarvento::closeEvent(QCloseEvent* event)
{
    if (!m_closingConfirmed && m_warningsOn &&
        !MessageBox::ask(this, QStringLiteral("Oletko varma? "),
                         QStringLiteral("Pelimies ei lopeta   ;)"))) {
        event->ignore();
        return;
    }
    event->accept();
    Lopeta_Kaikki();
}

void frmSarvento::Lopeta_Kaikki()
{
    // Side windows are top-level windows of their own; they go with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    QCoreApplication::quit();
}
