#include "core/systemdraw.h"
#include <QTest>

class TestGoalGrid : public QObject
{
    Q_OBJECT
private slots:
    // Ticks "0,1|2||||" (home 1 .. away 3), clicked one by one as the player would.
    void rows_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        // clang-format off
        QTest::newRow("last team turns fastest") << "0,1|2|1|0,3||" << 2 << QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"};
        QTest::newRow("team without a tick") << "0,1|2|1|||" << 2 << QStringList{};
        QTest::newRow("third grid ignored") << "3|4|5|6|0,1|0,1" << 2 << QStringList{"3-4 5-6"};
        QTest::newRow("three matches") << "11|0|2|2|1|4,5" << 3 << QStringList{"11-0 2-2 1-4", "11-0 2-2 1-5"};
        // clang-format on
    }
    void rows()
    {
        QFETCH(QString, ticks);
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        GeneratorRandom random(1);
        GridDraw draw(random);
        const QStringList teams = ticks.split(u'|');
        for (int team = 0; team < teams.size(); ++team)
            for (const QString& goal : teams[team].split(u',', Qt::SkipEmptyParts))
                draw.setTicked(team, goal.toInt(), true, columns);
        QStringList texts;
        for (ScoreRow row : draw.grid().rows(columns))
            texts << row.text();
        QCOMPARE(texts, rows);
        QCOMPARE(draw.shownSize(), qint64(rows.size()));
        // Maximum 1 allows at most 16 two-match rows: the search ends with every box 0 and 1.
        QCOMPARE(draw.drawWanted(100, u"1", 2).wanted, qint64(16));
        QCOMPARE(draw.grid().rows(2).size(), size_t(16));
    }
};

QTEST_GUILESS_MAIN(TestGoalGrid)
#include "tst_goalgrid.moc"
