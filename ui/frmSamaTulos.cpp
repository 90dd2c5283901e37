#include "ui/frmSamaTulos.h"
#include "ui/dialogs.h"
#include "ui_frmSamaTulos.h"

frmSamaTulos::frmSamaTulos(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmSamaTulos>())
{
    ui->setupUi(this);
}

frmSamaTulos::~frmSamaTulos() = default;

void frmSamaTulos::ShowSamaLuku(qint64 Maara, QWidget* parent)
{
    frmSamaTulos window(parent);
    window.ui->txtSamaLuku->setText(QString::number(Maara));
    ModalRunner::exec(window);
}
