// The rows tab's rows of like controls: the goal limit boxes and the result labels.
#include "ui/frmSarvento.h"
#include "ui/goalbox.h"
#include "ui/ui_frmSarvento.h"
#include <QGridLayout>

namespace {
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString indexed(const char* name, int index)
{
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}
} // namespace

void frmSarvento::buildLimitBoxes()
{
    auto* limits = new QGridLayout(ui->fraMaalit);
    const char* heads[3] = {"Label3", "Label6", "Label4"};
    const char* sides[6] = {"Label1", "Label11", "Label10", "Label9", "lbl_K3", "lbl_V3"};
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(ui->fraMaalit, QString::fromLatin1(heads[match]),
                                 QStringLiteral("%1. Kohde").arg(match + 1));
        limits->addWidget(head, 0, 1 + 2 * match, 1, 2, Qt::AlignCenter);
        if (match == 2)
            m_thirdMatchWidgets << head;
    }
    limits->addWidget(makeLabel(ui->fraMaalit, QStringLiteral("Label7"), QStringLiteral("Vähint.")),
                      2, 0);
    limits->addWidget(makeLabel(ui->fraMaalit, QStringLiteral("Label5"), QStringLiteral("Enint.")),
                      3, 0);
    for (int k = 0; k < 6; ++k) {
        QLabel* side = makeLabel(ui->fraMaalit, QString::fromLatin1(sides[k]),
                                 k % 2 ? QStringLiteral("V") : QStringLiteral("K"));
        limits->addWidget(side, 1, 1 + k, Qt::AlignCenter);
        for (auto* boxes : {&txtMaalivah, &txtMaaliEnint}) {
            auto* box = new QLineEdit(ui->fraMaalit);
            box->setObjectName(indexed(boxes == &txtMaalivah ? "txtMaalivah" : "txtMaaliEnint", k));
            box->setToolTip(QStringLiteral(" Anna luku 1-9. "));
            box->setMaximumWidth(32);
            takeTwoDigits(box);
            box->installEventFilter(this);
            (*boxes)[size_t(k)] = box;
            limits->addWidget(box, boxes == &txtMaalivah ? 2 : 3, 1 + k);
        }
        if (k >= 4)
            m_thirdMatchWidgets << side << txtMaalivah[size_t(k)] << txtMaaliEnint[size_t(k)];
    }
}

void frmSarvento::buildResultLabels()
{
    auto* results = new QGridLayout(ui->fraTulokset);
    const QString captions[3] = {QStringLiteral("1.Kohde"), QStringLiteral("2. Kohde"),
                                 QStringLiteral("3. Kohde")};
    QFont resultFont(QStringLiteral("Arial"));
    resultFont.setPointSizeF(14.25);
    resultFont.setBold(true);
    for (int match = 0; match < 3; ++match) {
        QLabel* head = makeLabel(ui->fraTulokset, QStringLiteral("lblKohde%1").arg(match + 1),
                                 captions[match]);
        results->addWidget(head, 3 * match, 0, 1, 2, Qt::AlignCenter);
        for (int side = 0; side < 2; ++side) {
            const int k = 2 * match + side;
            QLabel* goal = makeLabel(ui->fraTulokset, indexed("lbl1", k), QString());
            goal->setFont(resultFont);
            goal->setAlignment(Qt::AlignCenter);
            goal->setMinimumWidth(32);
            goal->setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
            lbl1[size_t(k)] = goal;
            results->addWidget(goal, 3 * match + 1, side);
        }
        auto* line = new QFrame(ui->fraTulokset);
        line->setObjectName(QStringLiteral("Line%1").arg(match + 1));
        line->setFrameShape(QFrame::HLine);
        results->addWidget(line, 3 * match + 2, 0, 1, 2);
        if (match == 2)
            m_thirdMatchWidgets << head << lbl1[4] << lbl1[5] << line;
    }
}
