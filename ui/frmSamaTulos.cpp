#include "ui/frmSamaTulos.h"
#include "ui/dialogs.h"
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSamaTulos::frmSamaTulos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSamaTulos"));
    setWindowTitle(QStringLiteral("Tiedoksi"));
    QFont font = this->font();
    font.setPointSize(12);
    QFont bold = font;
    bold.setBold(true);

    auto* layout = new QVBoxLayout(this);
    auto addLabel = [&](const char* name, const QString& text, const QFont& labelFont) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    };
    addLabel("Label1", QStringLiteral("Tiedostossa oli samoja rivejä"), font);
    addLabel("txtSamaLuku", QString(), bold);
    addLabel("Label2", QStringLiteral("niitä ei listattu"), font);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdKuittaus"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmSamaTulos::ShowSamaLuku(qint64 Maara, QWidget* parent)
{
    frmSamaTulos window(parent);
    window.findChild<QLabel*>(QStringLiteral("txtSamaLuku"))->setText(QString::number(Maara));
    ModalRunner::exec(window);
}
