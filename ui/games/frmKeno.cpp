#include "ui/games/frmKeno.h"
#include "games/lottery.h"
#include "ui/games/ui_frmKeno.h"
#include "ui/wholetextfocus.h"
#include <QCloseEvent>
#include <QRadioButton>

frmKeno::frmKeno(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmKeno>()), m_random(random)
{
    ui->setupUi(this);
    for (int size = KenoSmallest; size <= KenoLargest; ++size) {
        auto* option = new QRadioButton(QString::number(size), ui->Frame1);
        option->setObjectName(QStringLiteral("opt%1").arg(size));
        const int k = size - KenoSmallest;
        ui->layoutSizes->addWidget(option, k % 5, k / 5);
        m_sizes.push_back(option);
    }
    m_sizes.back()->setChecked(true);

    connect(ui->cmdArvoKeno, &QPushButton::clicked, this, &frmKeno::cmdArvoKeno_Click);
    connect(ui->cmdEnd, &QPushButton::clicked, this, &QWidget::close);
}

frmKeno::~frmKeno() = default;

void frmKeno::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

int frmKeno::TarkistaKeno() const
{
    for (size_t k = 0; k < m_sizes.size(); ++k) {
        if (m_sizes[k]->isChecked())
            return KenoSmallest + int(k);
    }
    return KenoLargest;
}

void frmKeno::cmdArvoKeno_Click()
{
    ui->txtArvottuKeno->setText(numberRowText(drawKenoRow(m_random, TarkistaKeno())));
    focusWholeText(ui->txtArvottuKeno);
}
