#include "core/resultcheck.h"
#include <QTest>

namespace {
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(*ScoreRow::fromText(text));
    return rows;
}
} // namespace

class TestResultCheck : public QObject
{
    Q_OBJECT
private slots:
    void finalScores_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("read");
        QTest::newRow("three matches") << "1-2 0-1 2-0" << 3 << true;
        QTest::newRow("two matches") << "10-2 0-0" << 2 << true;
        QTest::newRow("too few for three") << "1-2 0-1" << 3 << false;
        QTest::newRow("leading zero") << "01-2 0-1 2-0" << 3 << false;
    }
    void finalScores()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(bool, read);
        const auto row = readFinalScores(text, columns);
        QCOMPARE(row.has_value(), read);
        QVERIFY(!read || row->text() == text);
    }

    void counts_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<qint64>>("right"); // rows with 0, 1, 2 (, 3) matches right
        QTest::addColumn<int>("winning");
        const QStringList three{"1-2 0-0 2-0", "1-2 0-1 2-0", "0-0 0-1 3-0",
                                "2-1 1-0 0-2", "1-2 0-1 2-1", "1-2 0-1 2-0"};
        // clang-format off
        QTest::newRow("hit") << "1-2 0-1 2-0" << three
                             << QList<qint64>{1, 1, 2, 2} << 1;
        QTest::newRow("miss") << "1-2 0-1 0-2" << three
                              << QList<qint64>{0, 3, 3, 0} << -1;
        // Reversed scores are not right: 2-1 is not 1-2.
        QTest::newRow("nothing right") << "2-1 1-0 0-2" << QStringList{"1-2 0-1 2-0"}
                                       << QList<qint64>{1, 0, 0, 0} << -1;
        QTest::newRow("two matches") << "3-1 0-0" << QStringList{"3-1 0-1", "0-0 3-1", "3-1 0-0"}
                                     << QList<qint64>{1, 1, 1} << 2;
        // A two-match row matches a result of three only in its two matches.
        QTest::newRow("narrower row") << "1-0 2-2 0-0" << QStringList{"1-0 2-2"}
                                      << QList<qint64>{0, 0, 1, 0} << -1;
        // clang-format on
    }
    void counts()
    {
        QFETCH(QString, result);
        QFETCH(QStringList, rows);
        QFETCH(QList<qint64>, right);
        QFETCH(int, winning);
        const ScoreRow finalScores = *ScoreRow::fromText(result);
        const ResultCheck check = checkResult(finalScores, rowsOf(rows));
        QCOMPARE(check.matches, int(right.size()) - 1);
        QCOMPARE(
            QList<qint64>(check.rowsWithRight.begin(), check.rowsWithRight.begin() + right.size()),
            right);
        QCOMPARE(check.firstWinning, winning);
        QCOMPARE(check.rows, qint64(rows.size()));
    }
};

QTEST_GUILESS_MAIN(TestResultCheck)
#include "tst_resultcheck.moc"
