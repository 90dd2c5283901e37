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
    void goalPositions();
    void outOfRangeRowsAreInvalid_data();
    void outOfRangeRowsAreInvalid();
    void matchCountIsPartOfIdentity();
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
    QTest::newRow("all zero") << 3 << Goals{0, 0, 0, 0, 0, 0} << "0-0 0-0 0-0";
    QTest::newRow("grid boxes 10 and 11") << 2 << Goals{10, 2, 11, 0, 0, 0} << "10-2 11-0";
    QTest::newRow("ten in the last place") << 3 << Goals{1, 1, 1, 1, 1, 10} << "1-1 1-1 1-10";
    QTest::newRow("ten and zero") << 2 << Goals{10, 0, 0, 10, 0, 0} << "10-0 0-10";
    QTest::newRow("widest row") << 3 << Goals{99, 99, 99, 99, 99, 99} << "99-99 99-99 99-99";
    QTest::newRow("unused teams ignored") << 2 << Goals{4, 5, 6, 7, 8, 9} << "4-5 6-7";
}

void TestScoreRow::textForm()
{
    QFETCH(int, matches);
    QFETCH(Goals, goals);
    QFETCH(QString, text);

    const ScoreRow row(matches, goals);
    QVERIFY(row.isValid());
    QCOMPARE(row.matchCount(), matches);
    QCOMPARE(row.text(), text);

    char buffer[ScoreRow::MaxTextLength];
    const int length = row.writeText(buffer);
    QCOMPARE(QLatin1String(buffer, length), text);

    const auto parsed = ScoreRow::fromText(text);
    QVERIFY(parsed);
    QCOMPARE(*parsed, row);
    for (int team = 0; team < 2 * matches; ++team)
        QCOMPARE(parsed->goal(team), goals[size_t(team)]);

    const QByteArray latin1 = text.toLatin1();
    const auto fromBytes = ScoreRow::fromLatin1(latin1.constData(), latin1.size());
    QVERIFY(fromBytes);
    QCOMPARE(*fromBytes, row);
}

// Printing and net play read single-digit rows at fixed character positions.
void TestScoreRow::goalPositions()
{
    for (int matches = 2; matches <= 3; ++matches) {
        const ScoreRow row(matches, Goals{1, 2, 3, 4, 5, 6});
        const QString text = row.text();
        QCOMPARE(text.size(), matches == 2 ? 7 : 11);
        for (int k = 1; k <= matches; ++k) {
            QCOMPARE(text.at(4 * k - 4), QChar(u'0' + row.goal(2 * k - 2)));
            QCOMPARE(text.at(4 * k - 2), QChar(u'0' + row.goal(2 * k - 1)));
        }
    }
}

void TestScoreRow::outOfRangeRowsAreInvalid_data()
{
    QTest::addColumn<int>("matches");
    QTest::addColumn<Goals>("goals");

    QTest::newRow("one match") << 1 << Goals{1, 1, 0, 0, 0, 0};
    QTest::newRow("four matches") << 4 << Goals{1, 1, 1, 1, 1, 1};
    QTest::newRow("negative goal") << 2 << Goals{1, -1, 0, 0, 0, 0};
    QTest::newRow("hundred goals") << 3 << Goals{1, 1, 1, 1, 1, 100};
}

void TestScoreRow::outOfRangeRowsAreInvalid()
{
    QFETCH(int, matches);
    QFETCH(Goals, goals);
    QVERIFY(!ScoreRow(matches, goals).isValid());
}

// "1-2 3-4" and "1-2 3-4 0-0" are different rows even though the goals read the same.
void TestScoreRow::matchCountIsPartOfIdentity()
{
    const ScoreRow two(2, Goals{1, 2, 3, 4, 0, 0});
    const ScoreRow three(3, Goals{1, 2, 3, 4, 0, 0});
    QVERIFY(two != three);
    QVERIFY(two.key() != three.key());
    QVERIFY(two != ScoreRow());
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
    QTest::newRow("trailing hyphen") << "1-1 2-2 3-";
    QTest::newRow("leading zero") << "01-1 2-2";
    QTest::newRow("leading zero away") << "1-1 2-05";
    QTest::newRow("three digits") << "100-1 2-2";
    QTest::newRow("leading blank") << " 1-1 2-2";
    QTest::newRow("trailing blank") << "1-1 2-2 ";
    QTest::newRow("double blank") << "1-1  2-2";
    QTest::newRow("tab") << "1-1\t2-2";
    QTest::newRow("carriage return") << "1-1 2-2\r";
    QTest::newRow("comma") << "1-1,2-2";
    QTest::newRow("hyphen between pairs") << "1-1-2-2";
    QTest::newRow("blank inside pair") << "1 1 2-2";
    QTest::newRow("en dash") << QString::fromUtf8("1\u20131 2-2");
    QTest::newRow("letter") << "a-1 2-2";
    QTest::newRow("sign") << "+1-1 2-2";
    QTest::newRow("full-width digit") << QString::fromUtf8("\uff11-1 2-2");
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0661-1 2-2");
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
