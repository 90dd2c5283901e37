#include "ui/frmVertaile.h"
#include "compare/comparison.h"
#include "files/rowfile.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/filedropfilter.h"
#include "ui/rowfiledialogs.h"
#include "ui/rowlisthistory.h"
#include "ui/texts.h"
#include "ui_frmVertaile.h"
#include <QCloseEvent>
#include <QLocale>
#include <QStyle>

namespace {

QString initialName(int n)
{
    return QStringLiteral("Sarvento%1.txt").arg(n);
}

const QString openTitle = QStringLiteral("Tiedostoa ei voi avata tai peruutus");
} // namespace

frmVertaile::frmVertaile(RowListHistory& mainList, const BetSettings& mainSettings, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmVertaile>()), m_mainList(mainList),
      m_mainSettings(mainSettings)
{
    ui->setupUi(this);
    m_side1.list = ui->Lista1;
    m_side1.count = ui->lblRivit_1;
    m_side2.list = ui->Lista2;
    m_side2.count = ui->lblRivit_2;
    for (int n : {1, 2}) {
        side(n).list->setModel(&side(n).model);
        auto* drop = new FileDropFilter(this);
        drop->watch(side(n).list);
        connect(drop, &FileDropFilter::filesDropped, this, [this, n](const QStringList& paths) {
            for (const QString& path : paths)
                AvaaRivit(n, path);
            showCount(n);
        });
    }
    // The style's icon follows the desktop theme, which a form file cannot name.
    ui->cmdVertaa->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    connect(ui->cmdAvaa_1, &QPushButton::clicked, this, &frmVertaile::cmdAvaa_1_Click);
    connect(ui->cmdPoista1_Samat, &QPushButton::clicked, this,
            &frmVertaile::cmdPoista1_Samat_Click);
    connect(ui->cmdTalleta1, &QPushButton::clicked, this, &frmVertaile::cmdTalleta1_Click);
    connect(ui->cmdListaa_1, &QPushButton::clicked, this, &frmVertaile::cmdListaa_1_Click);
    connect(ui->cmdAvaa_2, &QPushButton::clicked, this, &frmVertaile::cmdAvaa_2_Click);
    connect(ui->cmdPoista2_Samat, &QPushButton::clicked, this,
            &frmVertaile::cmdPoista2_Samat_Click);
    connect(ui->cmdTalleta2, &QPushButton::clicked, this, &frmVertaile::cmdTalleta2_Click);
    connect(ui->cmdListaa_2, &QPushButton::clicked, this, &frmVertaile::cmdListaa_2_Click);
    connect(ui->cmdVertaa, &QPushButton::clicked, this, &frmVertaile::cmdVertaa_Click);
}

frmVertaile::~frmVertaile() = default;

void frmVertaile::closeEvent(QCloseEvent* event)
{
    if (!m_closeAgreed && !askBeforeClosing()) {
        event->ignore();
        return;
    }
    m_closeAgreed = false; // the window may be shown again
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
    const QString path = FileDialog::getOpenFileName(this, initialName(n));
    if (path.isEmpty())
        RowFileDialogs::showReadFailure(this, RowFile::Status::CannotOpen, openTitle);
    else
        AvaaRivit(n, path);
    showCount(n);
    ui->cmdVertaa->setFocus();
}

void frmVertaile::AvaaRivit(int n, const QString& path)
{
    const RowFile::ReadResult file = RowFileDialogs::read(this, path);
    Side& list = side(n);
    if (file.status == RowFile::Status::Ok && !file.rows.empty()) {
        if (list.model.isEmpty()) {
            list.file = path;
            list.changed = false;
        } else {
            list.changed = true;
        }
        list.model.appendAll(file.rows);
    }
    RowFileDialogs::showReadFailure(this, file.status, openTitle);
}

void frmVertaile::cmdVertaa_Click()
{
    Comparison::tickShared(m_side1.model, m_side2.model);
}

void frmVertaile::Poista(int n)
{
    if (side(n).model.removeChecked() > 0)
        side(n).changed = true;
    showCount(n);
}

void frmVertaile::Talleta(int n)
{
    const RowListModel& model = side(n).model;
    if (model.isEmpty())
        return;
    const QString path = FileDialog::getSaveFileName(this, initialName(n), true);
    if (!path.isEmpty())
        saveTo(n, path);
}

bool frmVertaile::saveTo(int n, const QString& path)
{
    if (!RowFileDialogs::write(this, path, side(n).model.rows()))
        return false;
    side(n).file = path;
    side(n).changed = false;
    emit saved(path);
    return true;
}

bool frmVertaile::askBeforeClosing()
{
    for (int n : {1, 2}) {
        const Side& list = side(n);
        if (!list.changed || list.model.isEmpty())
            continue;
        const QString text =
            QStringLiteral("Listalla on tallentamattomia rivejä (%1 riviä). Tallennetaanko ne?")
                .arg(QLocale().toString(list.model.count()));
        switch (MessageBox::askToSave(this, QStringLiteral("Lista %1").arg(n), text)) {
        case QMessageBox::Save: // rows come only from files: the list has one of its own
            if (!saveTo(n, list.file))
                return false;
            break;
        case QMessageBox::Discard:
            break;
        default:
            return false;
        }
    }
    m_closeAgreed = true;
    return true;
}

void frmVertaile::Listaa(int n)
{
    const ListCommand step(m_mainList, QStringLiteral("Listaa %1 rivit").arg(n));
    const int columns = m_mainSettings.columnCount();
    Comparison::MoveResult moved;
    {
        BusyCursor busy;
        moved = Comparison::appendMissing(side(n).model.rows(), m_mainList.rows(), columns);
    }
    emit mainListChanged();
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
    MessageBox::show(this, Texts::AppTitle,
                     text.arg(moved.leftOutForWidth).arg(otherColumns).arg(columns),
                     MessageBox::Information);
}
