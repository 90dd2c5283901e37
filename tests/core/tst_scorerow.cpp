#include "core/scorerow.h"
#include <QTest>

using Goals = std::array<int, ScoreRow::MaxTeams>;
Q_DECLARE_METATYPE(Goals)

class TestScoreRow : public QObject
{
    Q_OBJECT
private slots:
    void textForm_data();
    void textForm();
    void invalidRows();
    void malformed_data();
    void malformed();
};

void TestScoreRow::textForm_data()
{
    QTest::addColumn<int>("matches");
    QTest::addColumn<Goals>("goals");
    QTest::addColumn<QString>("text");

    QTest::newRow("two matches") << 2 << Goals{2, 1, 0, 3, 0, 0} << "2-1 0-3";
    QTest::newRow("three matches") << 3 << Goals{2, 1, 0, 3, 1, 1} << "2-1 0-3 1-1";
    QTest::newRow("grid boxes 10 and 11") << 2 << Goals{10, 2, 11, 0, 0, 0} << "10-2 11-0";
    QTest::newRow("ten last") << 3 << Goals{1, 1, 1, 1, 1, 10} << "1-1 1-1 1-10";
    QTest::newRow("widest row") << 3 << Goals{99, 99, 99, 99, 99, 99} << "99-99 99-99 99-99";
    QTest::newRow("unused teams ignored") << 2 << Goals{4, 5, 6, 7, 8, 9} << "4-5 6-7";
}

void TestScoreRow::textForm()
{
    QFETCH(int, matches);
    QFETCH(Goals, goals);
    QFETCH(QString, text);

    const ScoreRow row(matches, goals);
    QCOMPARE(row.text(), text);
    char buffer[ScoreRow::MaxTextLength];
    QCOMPARE(QLatin1String(buffer, row.writeText(buffer)), text);

    const auto parsed = ScoreRow::fromText(text);
    QVERIFY(parsed);
    QCOMPARE(*parsed, row);
    QCOMPARE(parsed->matchCount(), matches);
    for (int team = 0; team < 2 * matches; ++team)
        QCOMPARE(parsed->goal(team), goals[size_t(team)]);
    const QByteArray latin1 = text.toLatin1();
    QCOMPARE(ScoreRow::fromLatin1(latin1.constData(), latin1.size()), parsed);

    // Printing and net play read single-digit rows at fixed character positions.
    if (text.size() == 4 * matches - 1) {
        for (int team = 0; team < 2 * matches; ++team)
            QCOMPARE(text.at(2 * team), QChar(u'0' + goals[size_t(team)]));
    }
}

void TestScoreRow::invalidRows()
{
    QVERIFY(!ScoreRow(1, Goals{1, 1}).isValid());
    QVERIFY(!ScoreRow(4, Goals{}).isValid());
    QVERIFY(!ScoreRow(2, Goals{1, -1}).isValid());
    QVERIFY(!ScoreRow(3, Goals{1, 1, 1, 1, 1, 100}).isValid());
    // "1-2 3-4" and "1-2 3-4 0-0" are different rows although their goals read the same.
    QVERIFY(ScoreRow(2, Goals{1, 2, 3, 4}) != ScoreRow(3, Goals{1, 2, 3, 4}));
}

void TestScoreRow::malformed_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("one match") << "1-1";
    QTest::newRow("four matches") << "1-1 2-2 3-3 4-4";
    QTest::newRow("half a match") << "1-1 2-";
    QTest::newRow("missing home goal") << "-1 2-2";
    QTest::newRow("odd team count") << "1-1 2-2 3";
    QTest::newRow("leading zero") << "01-1 2-2";
    QTest::newRow("leading zero away") << "1-1 2-05";
    QTest::newRow("three digits") << "100-1 2-2";
    QTest::newRow("leading blank") << " 1-1 2-2";
    QTest::newRow("trailing blank") << "1-1 2-2 ";
    QTest::newRow("double blank") << "1-1  2-2";
    QTest::newRow("carriage return") << "1-1 2-2\r";
    QTest::newRow("hyphen between pairs") << "1-1-2-2";
    QTest::newRow("blank inside pair") << "1 1 2-2";
    QTest::newRow("sign") << "+1-1 2-2";
    QTest::newRow("full-width digit") << QString::fromUtf8("\uff11-1 2-2");
}

void TestScoreRow::malformed()
{
    QFETCH(QString, text);
    QVERIFY(!ScoreRow::fromText(text));
    const QByteArray latin1 = text.toLatin1();
    QVERIFY(!ScoreRow::fromLatin1(latin1.constData(), latin1.size()));
}

QTEST_GUILESS_MAIN(TestScoreRow)
#include "tst_scorerow.moc"
