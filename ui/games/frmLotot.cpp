#include "ui/games/frmLotot.h"
#include "ui/dialogs.h"
#include "ui/games/ui_frmLotot.h"
#include "ui/texts.h"
#include "ui/wholetextfocus.h"
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>

namespace {
std::vector<QLineEdit*> numberBoxes(QWidget* parent, QLayout* layout, const QString& name,
                                    int count)
{
    std::vector<QLineEdit*> boxes;
    for (int k = 1; k <= count; ++k) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(name + QString::number(k));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        layout->addWidget(box);
        boxes.push_back(box);
    }
    return boxes;
}
} // namespace

frmLotot::frmLotot(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmLotot>()), m_random(random)
{
    ui->setupUi(this);
    m_lotto = {LottoGame::Lotto,
               numberBoxes(this, ui->layoutLotto, QStringLiteral("txtLotto_"), 10),
               ui->txtLottoRivi};
    m_viking = {LottoGame::Viking,
                numberBoxes(this, ui->layoutViking, QStringLiteral("txtViking_"), 9),
                ui->txtVikingRivi};
    ui->layoutLotto->addStretch();
    ui->layoutViking->addStretch();
    selectWholeTextOnFocus(ui->txtLottoRivi);
    selectWholeTextOnFocus(ui->txtVikingRivi);

    connect(ui->cmdArvoLotto, &QPushButton::clicked, this, &frmLotot::cmdArvoLotto_Click);
    connect(ui->cmdArvoViiking, &QPushButton::clicked, this, &frmLotot::cmdArvoViiking_Click);
    connect(ui->cmdtyhjäälotto, &QPushButton::clicked, this, &frmLotot::LottoVex);
    connect(ui->cmdTyhjaaViiking, &QPushButton::clicked, this, &frmLotot::VikingVex);
    connect(ui->cmdLopeta, &QPushButton::clicked, this, &QWidget::close);
    clear(m_lotto);
    clear(m_viking);
}

frmLotot::~frmLotot() = default;

void frmLotot::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

std::optional<int> frmLotot::Jarjestelma() const
{
    const QRadioButton* sizes[] = {ui->opt7, ui->opt8, ui->opt9, ui->opt10};
    for (int k = 0; k < 4; ++k) {
        if (sizes[k]->isChecked())
            return 7 + k;
    }
    return std::nullopt;
}

void frmLotot::clear(Half& half)
{
    const int plain = lottoRules(half.game).plainSize;
    for (size_t k = 0; k < half.boxes.size(); ++k) {
        half.boxes[k]->clear();
        half.boxes[k]->setVisible(int(k) < plain);
    }
    // An exclusive group will not uncheck its checked button, so step out of it for that.
    for (QRadioButton* option : {ui->opt7, ui->opt8, ui->opt9, ui->opt10}) {
        if (!option->isChecked())
            continue;
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void frmLotot::LottoVex()
{
    clear(m_lotto);
}

void frmLotot::VikingVex()
{
    clear(m_viking);
}

bool frmLotot::draw(Half& half)
{
    const auto numbers = drawLottoNumbers(m_random, half.game, Jarjestelma());
    if (!numbers) {
        MessageBox::show(this, Texts::AppTitle,
                         QStringLiteral("Viking Lotossa ei ole 10 numeron järjestelmää."),
                         MessageBox::Information);
        return false;
    }
    clear(half);
    for (size_t k = 0; k < numbers->size(); ++k) {
        half.boxes[k]->setText(QString::number((*numbers)[k]));
        half.boxes[k]->setVisible(true);
    }
    half.rowText->setText(numberRowText(*numbers));
    focusWholeText(half.rowText);
    return true;
}

void frmLotot::cmdArvoLotto_Click()
{
    if (draw(m_lotto))
        QGuiApplication::clipboard()->setText(ui->txtLottoRivi->text());
}

void frmLotot::cmdArvoViiking_Click()
{
    draw(m_viking);
}
