// The statistics window: each match's charts as the player reads them, following the list.
#include "liveobjects.h"
#include "ui/frmTilastot.h"
#include "windowtest.h"
#include <QGroupBox>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>

using namespace WindowTest;

namespace {
// One match as "home | away | 1/X/2 counts | outcome names", read from the charts themselves;
// "hidden" when the match's group is not shown.
QString shownMatch(frmTilastot& w, int match)
{
    const QString k = QString::number(match);
    if (!child<QGroupBox>(w, "fraKohde" + k)->isVisibleTo(&w))
        return QStringLiteral("hidden");
    QChart* goals = child<QChartView>(w, "chtMaalit" + k)->chart();
    QChart* outcomes = child<QChartView>(w, "chtTulos" + k)->chart();
    QList<QBarSet*> sets = static_cast<QBarSeries*>(goals->series().value(0))->barSets();
    sets << static_cast<QAbstractBarSeries*>(outcomes->series().value(0))->barSets().value(0);
    QStringList parts;
    for (const QBarSet* bars : sets) {
        QStringList values;
        for (int i = 0; i < bars->count(); ++i)
            values << QString::number(bars->at(i));
        parts << values.join(',');
    }
    auto* names = static_cast<QBarCategoryAxis*>(outcomes->axes(Qt::Vertical).value(0));
    return (parts << names->categories().join(", ")).join(" | ");
}
} // namespace

class TilastotTest : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // Every change of the list reaches the open window; a match the rows lack is hidden ("": not
    // compared). The charts go with the window.
    void shows_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QString>("count");
        const QStringList two{"1-0 0-0 0-1", "0-1 0-0 0-1"};
        const QString away = "1,0 | 0,1 | 0,0,1 | 1  0,0 %, X  0,0 %, 2  100,0 %";
        // clang-format off
        QTest::newRow("two matches") << QStringList{"3-0 1-1", "0-0 1-2", "1-0 4-4"} << "" << QStringList{
            "1,1,0,1 | 3,0,0,0 | 2,1,0 | 1  66,7 %, X  33,3 %, 2  0,0 %",
            "0,2,0,0,1 | 0,1,1,0,1 | 0,2,1 | 1  0,0 %, X  66,7 %, 2  33,3 %", "hidden"} << "Rivejä listassa: 3";
        QTest::newRow("row added") << two << "add" << QStringList{
            "1,1,1 | 1,1,1 | 1,1,1 | 1  33,3 %, X  33,3 %, 2  33,3 %",
            "",
            "2,1,0,0 | 0,2,0,1 | 0,0,3 | 1  0,0 %, X  0,0 %, 2  100,0 %"} << "Rivejä listassa: 3";
        QTest::newRow("ticked removed") << two << "remove" << QStringList{away, "", away} << "Rivejä listassa: 1";
        QTest::newRow("cleared") << two << "clear" << QStringList{"hidden", "hidden", "hidden"} << "Listassa ei ole rivejä.";
        // clang-format on
    }
    void shows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, change);
        QFETCH(QStringList, matches);
        QVERIFY(LiveObjects::available());
        LiveObjects live;
        RowListModel list;
        for (const QString& row : rows)
            list.appendAll({*ScoreRow::fromText(row)});
        auto w = std::make_unique<frmTilastot>(list);
        w->show();
        QCOMPARE(live.count<QChart>(), 6);
        if (change == "add") {
            list.appendIfNew(*ScoreRow::fromText(QStringLiteral("2-2 0-0 1-3")));
        } else if (change == "remove") {
            list.setChecked(0, true);
            list.removeChecked();
        } else if (change == "clear") {
            list.clear();
        }
        QTRY_COMPARE(shownMatch(*w, 1), matches[0]);
        QTEST(labelText(*w, "lblRivit"), "count");
        for (int m = 2; m <= 3; ++m)
            if (!matches[m - 1].isEmpty())
                QCOMPARE(shownMatch(*w, m), matches[m - 1]);
        w.reset();
        QCOMPARE(live.count<QChart>(), 0);
    }
};

QTEST_MAIN(TilastotTest)
#include "tst_frmtilastot.moc"
