#include "ui/games/frmVakio.h"
#include "ui/dialogs.h"
#include "ui/games/ui_frmVakio.h"
#include <QCloseEvent>
#include <QLineEdit>

namespace {
const QString failTitle = QStringLiteral("Arvonta meni käteen...");
const QString failText = QStringLiteral("Koitappa uudestaan!");
} // namespace

frmVakio::frmVakio(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmVakio>()), m_random(random)
{
    ui->setupUi(this);
    for (int i = 0; i < Vakio::BoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtvakio_%1").arg(i + 1));
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(3);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("1x2")) + 16);
        ui->layBoxes->addWidget(box);
        m_boxes[i] = box;
    }
    connect(ui->cmdArvoVakio, &QPushButton::clicked, this, &frmVakio::cmdArvoVakio_Click);
    connect(ui->cmdtyhjäävakio, &QPushButton::clicked, this, &frmVakio::cmdtyhjäävakio_Click);
    connect(ui->cmdLopeta, &QPushButton::clicked, this, &frmVakio::cmdLopeta_Click);
}

frmVakio::~frmVakio() = default;

void frmVakio::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

int frmVakio::matchCount() const
{
    const int index = ui->cboKohteita->currentIndex();
    return index < 0 ? Vakio::BoxCount : Vakio::MinMatches + index;
}

Vakio::Boxes frmVakio::boxTexts() const
{
    Vakio::Boxes boxes;
    for (int i = 0; i < Vakio::BoxCount; ++i)
        boxes[i] = m_boxes[i]->text();
    return boxes;
}

void frmVakio::showBoxTexts(const Vakio::Boxes& boxes)
{
    for (int i = 0; i < Vakio::BoxCount; ++i)
        m_boxes[i]->setText(boxes[i]);
}

void frmVakio::NaytaKaikki()
{
    for (QLineEdit* box : m_boxes)
        box->show();
}

void frmVakio::cmdArvoVakio_Click()
{
    NaytaKaikki();
    const int matches = matchCount();
    Vakio::Boxes boxes = boxTexts();
    Vakio::drawRow(boxes, matches, m_random);
    showBoxTexts(boxes);
    for (int i = matches; i < Vakio::BoxCount; ++i)
        m_boxes[i]->hide();
    if (ui->chkVakio->isChecked())
        Vakio_Systeemi(matches);
}

void frmVakio::Vakio_Systeemi(int matches)
{
    // The input boxes stand alone; the window comes back whatever the answers were.
    hide();
    const QString fullText =
        m_input->ask(this, QStringLiteral("Montako täysin pelattua?"),
                     QStringLiteral("Anna kpl-määrä, eli merkki on 1x2."), QStringLiteral("0"));
    const QString halfText = m_input->ask(
        this, QStringLiteral("Montako osin pelattua?"),
        QStringLiteral("Anna kpl-määrä, eli merkki on 1x, 12 tai x2."), QStringLiteral("0"));
    const auto full = Vakio::parseCoverCount(fullText);
    const auto half = Vakio::parseCoverCount(halfText);
    if (full && half) {
        Vakio::Boxes boxes = boxTexts();
        const Vakio::CoverResult result =
            Vakio::placeCovers(boxes, matches, *full, *half, m_random);
        showBoxTexts(boxes);
        if (result != Vakio::CoverResult::Placed)
            MessageBox::show(this, failTitle, failText, MessageBox::Information);
    }
    show();
}

void frmVakio::cmdtyhjäävakio_Click()
{
    for (QLineEdit* box : m_boxes)
        box->clear();
    ui->chkVakio->setChecked(false);
}

void frmVakio::cmdLopeta_Click()
{
    close();
}
