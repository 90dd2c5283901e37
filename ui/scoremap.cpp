#include "ui/scoremap.h"
#include <QHeaderView>
#include <QTableWidget>

QTableWidget* ScoreMap::make(QWidget* parent, const QString& objectName)
{
    auto* table = new QTableWidget(Goals, Goals, parent);
    table->setObjectName(objectName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList goals;
    for (int goal = 0; goal < Goals; ++goal)
        goals << QString::number(goal);
    table->setHorizontalHeaderLabels(goals);
    table->setVerticalHeaderLabels(goals);
    table->horizontalHeader()->setToolTip(QStringLiteral("Vierasjoukkueen maalit"));
    table->verticalHeader()->setToolTip(QStringLiteral("Kotijoukkueen maalit"));
    table->horizontalHeader()->setDefaultSectionSize(40);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->setMinimumSize(430, 225);
    for (int home = 0; home < Goals; ++home)
        for (int away = 0; away < Goals; ++away) {
            auto* cell = new QTableWidgetItem();
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(home, away, cell);
        }
    return table;
}
