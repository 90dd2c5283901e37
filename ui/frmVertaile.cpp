#include "ui/frmVertaile.h"
#include "compare/comparison.h"
#include "files/rowfile.h"
#include "ui/dialogs.h"
#include "ui/rowfiledialogs.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
const QString programTitle = QStringLiteral("Sarvento");

QString initialName(int n)
{
    return QStringLiteral("Sarvento%1.txt").arg(n);
}
} // namespace

frmVertaile::frmVertaile(RowListModel& mainList, std::function<int()> mainColumnCount,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_mainList(mainList),
      m_mainColumnCount(std::move(mainColumnCount))
{
    setObjectName(QStringLiteral("frmVertaile"));
    setWindowTitle(QStringLiteral("Poista samat tulokset"));

    auto* grid = new QGridLayout(this);
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        return b;
    };

    struct Texts
    {
        const char* title;
        const char* titleText;
        const char* count;
        const char* list;
        const char* buttons[4];
        QString captions[4];
        QString tips[4];
    };
    const Texts texts[2] = {
        {"Label1",
         "Sarvento 1 rivit",
         "lblRivit_1",
         "Lista1",
         {"cmdAvaa_1", "cmdPoista1_Samat", "cmdTalleta1", "cmdListaa_1"},
         {QStringLiteral("Avaa Sarvento 1"), QStringLiteral("Poista 1 valitut"),
          QStringLiteral("Tallenna 1 rivit"), QStringLiteral("Listaa 1 rivit")},
         {QStringLiteral(" Avaa sarvento1."), QStringLiteral(" Poista valitut rivit 1."),
          QStringLiteral(" Tallenna veto 1."), QStringLiteral(" Siirrä rivit listalle")}},
        {"Label2",
         "Sarvento 2 rivit",
         "lblRivit_2",
         "Lista2",
         {"cmdAvaa_2", "cmdPoista2_Samat", "cmdTalleta2", "cmdListaa_2"},
         {QStringLiteral("Avaa Sarvento 2"), QStringLiteral("Poista 2 valitut"),
          QStringLiteral("Tallenna 2 rivit"), QStringLiteral("Listaa 2 rivit")},
         {QStringLiteral(" Avaa sarvento2."), QStringLiteral(" Poista valitut rivit 2."),
          QStringLiteral("Tallenna veto 2."), QStringLiteral(" Siirrä rivit listalle")}},
    };

    QPushButton* buttons[2][4];
    for (int s = 0; s < 2; ++s) {
        const Texts& t = texts[s];
        Side& sd = side(s + 1);
        const int column = 2 * s; // the compare button sits in column 1 between the lists

        auto* title = new QLabel(QString::fromUtf8(t.titleText), this);
        title->setObjectName(QLatin1String(t.title));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        grid->addWidget(title, 0, column);

        auto* countRow = new QHBoxLayout;
        sd.count = new QLabel(QStringLiteral("0"), this);
        sd.count->setObjectName(QLatin1String(t.count));
        sd.count->setToolTip(QStringLiteral(" Arvottujen ja / tai avattujen rivien määrä."));
        auto* rows = new QLabel(QStringLiteral("Riviä"), this);
        rows->setObjectName(QStringLiteral("lblRivia_%1").arg(s + 1));
        countRow->addWidget(sd.count);
        countRow->addWidget(rows);
        countRow->addStretch();
        grid->addLayout(countRow, 1, column);

        sd.list = new QListView(this);
        sd.list->setObjectName(QLatin1String(t.list));
        sd.list->setUniformItemSizes(true);
        sd.list->setToolTip(QStringLiteral("Ruksaamalla rivi(t) voit poistaa niitä. "));
        sd.list->setModel(&sd.model);
        grid->addWidget(sd.list, 2, column);

        auto* columnButtons = new QVBoxLayout;
        for (int b = 0; b < 4; ++b) {
            buttons[s][b] = button(t.buttons[b], t.captions[b], t.tips[b]);
            columnButtons->addWidget(buttons[s][b]);
        }
        grid->addLayout(columnButtons, 3, column);
    }

    cmdVertaa = button("cmdVertaa", QStringLiteral("Vertaile 1 ja 2"),
                       QStringLiteral(" Vertailee 2 tiedostoa ja ruksaa samat rivit."));
    cmdVertaa->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    grid->addWidget(cmdVertaa, 2, 1, Qt::AlignCenter);
    grid->setRowStretch(2, 1);

    connect(buttons[0][0], &QPushButton::clicked, this, &frmVertaile::cmdAvaa_1_Click);
    connect(buttons[0][1], &QPushButton::clicked, this, &frmVertaile::cmdPoista1_Samat_Click);
    connect(buttons[0][2], &QPushButton::clicked, this, &frmVertaile::cmdTalleta1_Click);
    connect(buttons[0][3], &QPushButton::clicked, this, &frmVertaile::cmdListaa_1_Click);
    connect(buttons[1][0], &QPushButton::clicked, this, &frmVertaile::cmdAvaa_2_Click);
    connect(buttons[1][1], &QPushButton::clicked, this, &frmVertaile::cmdPoista2_Samat_Click);
    connect(buttons[1][2], &QPushButton::clicked, this, &frmVertaile::cmdTalleta2_Click);
    connect(buttons[1][3], &QPushButton::clicked, this, &frmVertaile::cmdListaa_2_Click);
    connect(cmdVertaa, &QPushButton::clicked, this, &frmVertaile::cmdVertaa_Click);

    resize(560, 520);
}

void frmVertaile::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void frmVertaile::cmdAvaa_1_Click()
{
    Avaa(1);
}
void frmVertaile::cmdAvaa_2_Click()
{
    Avaa(2);
}
void frmVertaile::cmdPoista1_Samat_Click()
{
    Poista(1);
}
void frmVertaile::cmdPoista2_Samat_Click()
{
    Poista(2);
}
void frmVertaile::cmdTalleta1_Click()
{
    Talleta(1);
}
void frmVertaile::cmdTalleta2_Click()
{
    Talleta(2);
}
void frmVertaile::cmdListaa_1_Click()
{
    Listaa(1);
}
void frmVertaile::cmdListaa_2_Click()
{
    Listaa(2);
}

void frmVertaile::showCount(int n)
{
    side(n).count->setText(QString::number(side(n).model.count()));
}

void frmVertaile::Avaa(int n)
{
    m_target = n;
    AvaaRivit();
    showCount(n);
    cmdVertaa->setFocus();
}

void frmVertaile::AvaaRivit()
{
    const QString openTitle = QStringLiteral("Tiedostoa ei voi avata tai peruutus");
    const QString path = FileDialog::getOpenFileName(this, initialName(m_target));
    if (path.isEmpty()) {
        RowFileDialogs::showReadFailure(this, RowFile::Status::CannotOpen, openTitle);
        return;
    }
    const RowFile::ReadResult file = RowFileDialogs::read(this, path);
    if (file.status == RowFile::Status::Ok)
        side(m_target).model.appendAll(file.rows);
    RowFileDialogs::showReadFailure(this, file.status, openTitle);
}

void frmVertaile::cmdVertaa_Click()
{
    Comparison::tickShared(m_side1.model, m_side2.model);
}

void frmVertaile::Poista(int n)
{
    side(n).model.removeChecked();
    showCount(n);
}

void frmVertaile::Talleta(int n)
{
    const RowListModel& model = side(n).model;
    if (model.isEmpty())
        return;
    const QString path = FileDialog::getSaveFileName(this, initialName(n), true);
    if (path.isEmpty())
        return;
    RowFileDialogs::write(this, path, model.rows());
}

void frmVertaile::Listaa(int n)
{
    const int columns = m_mainColumnCount();
    Comparison::MoveResult moved;
    {
        BusyCursor busy;
        moved = Comparison::appendMissing(side(n).model.rows(), m_mainList, columns);
    }
    if (moved.leftOutForWidth == 0)
        return;
    // Rows have 2 or 3 matches, so the left-out rows have the other count.
    const int otherColumns = columns == 2 ? 3 : 2;
    const QString text =
        moved.leftOutForWidth == 1
            ? QStringLiteral("%1 rivi jäi siirtämättä, koska siinä on %2 kohdetta, mutta "
                             "pääikkunan listan riveissä on %3.")
            : QStringLiteral("%1 riviä jäi siirtämättä, koska niissä on %2 kohdetta, mutta "
                             "pääikkunan listan riveissä on %3.");
    MessageBox::show(this, programTitle,
                     text.arg(moved.leftOutForWidth).arg(otherColumns).arg(columns),
                     MessageBox::Information);
}
