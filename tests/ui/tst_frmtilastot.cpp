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
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(*ScoreRow::fromText(text));
    return rows;
}

QStringList barValues(const QBarSet* bars)
{
    QStringList values;
    for (int i = 0; i < bars->count(); ++i)
        values << QString::number(bars->at(i));
    return values;
}

// One match as the player reads it: "home | away | 1/X/2 counts | outcome names", taken
// from the charts themselves; "hidden" when the match's group is not shown.
QString shownMatch(frmTilastot& w, int match)
{
    const QString k = QString::number(match);
    if (!child<QGroupBox>(w, "fraKohde" + k)->isVisibleTo(&w))
        return QStringLiteral("hidden");
    QChart* goals = child<QChartView>(w, "chtMaalit" + k)->chart();
    QChart* outcomes = child<QChartView>(w, "chtTulos" + k)->chart();
    const auto goalSets = static_cast<QBarSeries*>(goals->series().value(0))->barSets();
    const auto outcomeSet =
        static_cast<QAbstractBarSeries*>(outcomes->series().value(0))->barSets();
    auto* names = static_cast<QBarCategoryAxis*>(outcomes->axes(Qt::Vertical).value(0));
    return QStringList{barValues(goalSets.value(0)).join(','),
                       barValues(goalSets.value(1)).join(','),
                       barValues(outcomeSet.value(0)).join(','), names->categories().join(", ")}
        .join(" | ");
}
} // namespace

class TilastotTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { setUpHeadless(m_dir); }

    void shows_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QString>("count");
        const QStringList four{"2-1 0-0 1-3", "1-1 0-2 1-0", "0-1 0-0 3-3", "2-0 1-0 1-1"};
        // clang-format off
        QTest::newRow("three matches") << four << QStringList{
            "1,1,2 | 1,3,0 | 2,1,1 | 1  50,0 %, X  25,0 %, 2  25,0 %",
            "3,1,0 | 3,0,1 | 1,2,1 | 1  25,0 %, X  50,0 %, 2  25,0 %",
            "0,3,0,1 | 1,1,0,2 | 1,2,1 | 1  25,0 %, X  50,0 %, 2  25,0 %"}
            << "Rivejä listassa: 4";
        QTest::newRow("two matches") << QStringList{"3-0 1-1", "0-0 1-2", "1-0 4-4"}
            << QStringList{
            "1,1,0,1 | 3,0,0,0 | 2,1,0 | 1  66,7 %, X  33,3 %, 2  0,0 %",
            "0,2,0,0,1 | 0,1,1,0,1 | 0,2,1 | 1  0,0 %, X  66,7 %, 2  33,3 %",
            "hidden"} << "Rivejä listassa: 3";
        QTest::newRow("empty") << QStringList{} << QStringList{"hidden", "hidden", "hidden"}
            << "Listassa ei ole rivejä.";
        // clang-format on
    }

    void shows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, matches);
        QFETCH(QString, count);
        RowListModel list;
        list.appendAll(rowsOf(rows));
        frmTilastot w(list);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tilastot"));
        QCOMPARE(w.objectName(), QStringLiteral("frmTilastot"));
        for (int m = 1; m <= 3; ++m)
            QCOMPARE(shownMatch(w, m), matches[m - 1]);
        QCOMPARE(labelText(w, "lblRivit"), count);
    }

    // Every way the list changes reaches the open window.
    void follows_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("first"); // match 1 afterwards
        QTest::addColumn<QString>("third");
        // clang-format off
        QTest::newRow("row added") << "add"
            << "1,1,1 | 1,1,1 | 1,1,1 | 1  33,3 %, X  33,3 %, 2  33,3 %"
            << "2,1,0,0 | 0,2,0,1 | 0,0,3 | 1  0,0 %, X  0,0 %, 2  100,0 %";
        QTest::newRow("ticked removed") << "remove"
            << "1,0 | 0,1 | 0,0,1 | 1  0,0 %, X  0,0 %, 2  100,0 %"
            << "1,0 | 0,1 | 0,0,1 | 1  0,0 %, X  0,0 %, 2  100,0 %";
        QTest::newRow("cleared") << "clear" << "hidden" << "hidden";
        // clang-format on
    }

    void follows()
    {
        QFETCH(QString, change);
        QFETCH(QString, first);
        QFETCH(QString, third);
        RowListModel list;
        list.appendAll(rowsOf({"1-0 0-0 0-1", "0-1 0-0 0-1"}));
        frmTilastot w(list);
        w.show();
        if (change == "add") {
            list.appendIfNew(*ScoreRow::fromText(QStringLiteral("2-2 0-0 1-3")));
        } else if (change == "remove") {
            list.setChecked(0, true);
            list.removeChecked();
        } else {
            list.clear();
        }
        QTRY_COMPARE(shownMatch(w, 1), first);
        QCOMPARE(shownMatch(w, 3), third);
        QCOMPARE(w.statistics().rowCount(), qint64(list.count()));
    }

    // Each chart view holds the one chart it shows and takes it along when the window goes.
    void chartsGoWithTheWindow()
    {
        QVERIFY(LiveObjects::available());
        LiveObjects live;
        {
            RowListModel list;
            list.appendAll(rowsOf({"1-0 0-0 0-1"}));
            frmTilastot w(list);
            w.show();
            QCOMPARE(live.count<QChartView>(), 6);
            QCOMPARE(live.count<QChart>(), 6);
        }
        QCOMPARE(live.count<QChart>(), 0);
    }
};

QTEST_MAIN(TilastotTest)
#include "tst_frmtilastot.moc"
