#include "ui/games/frmVeto.h"
#include "ui/dialogs.h"
#include "ui/games/ui_frmVeto.h"
#include "ui/texts.h"
#include <QCloseEvent>

frmVeto::frmVeto(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmVeto>()), m_random(random)
{
    ui->setupUi(this);
    for (int j = 0; j < Veto::MaxMatches; ++j) {
        auto* caption = new QLabel(QStringLiteral("%1=").arg(j + 1), ui->frmTulokset);
        caption->setObjectName(QStringLiteral("lbl%1").arg(j + 1));
        auto* result = new QLabel(ui->frmTulokset);
        result->setObjectName(QStringLiteral("lbltulo_%1").arg(j));
        result->setMinimumWidth(caption->fontMetrics().horizontalAdvance(QStringLiteral("XX")));
        ui->layTulokset->addWidget(caption, j, 0);
        ui->layTulokset->addWidget(result, j, 1);
        m_results[j] = result;
    }
    connect(ui->cmdArvo, &QPushButton::clicked, this, &frmVeto::cmdArvo_Click);
    connect(ui->cmdEnd, &QPushButton::clicked, this, &frmVeto::cmdEnd_Click);
}

frmVeto::~frmVeto() = default;

void frmVeto::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

int frmVeto::matchCount() const
{
    if (ui->opt6->isChecked())
        return 6;
    if (ui->opt5->isChecked())
        return 5;
    if (ui->opt4->isChecked())
        return 4;
    return 3;
}

void frmVeto::cmdArvo_Click()
{
    if (ui->txtKertaa->text().trimmed().isEmpty())
        ui->txtKertaa->setText(QStringLiteral("1"));
    const auto repetitions = Veto::parseRepetitions(ui->txtKertaa->text());
    if (!repetitions) {
        MessageBox::show(
            this, Texts::AppTitle,
            QStringLiteral("Toistoja pitää olla luku, enintään %1.").arg(Veto::MaxRepetitions),
            MessageBox::Exclamation);
        return;
    }
    Veto::Outcomes labels;
    for (int j = 0; j < Veto::MaxMatches; ++j)
        labels[j] = m_results[j]->text();
    Veto::draw(labels, matchCount(), *repetitions, m_random);
    for (int j = 0; j < Veto::MaxMatches; ++j)
        m_results[j]->setText(labels[j]);
}

void frmVeto::cmdEnd_Click()
{
    close();
}
