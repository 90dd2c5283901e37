#include "games/vakio.h"
#include <QLocale>
#include <QtTest>

using Vakio::Boxes;
using Vakio::CoverResult;

namespace {
// Plays back given numbers, then goes on from a seeded generator.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values) : m_values(values) {}
    double next() override { return m_values.isEmpty() ? m_rest.next() : m_values.takeFirst(); }

private:
    QList<double> m_values;
    GeneratorRandom m_rest{7};
};

Boxes filled(const QString& text)
{
    Boxes boxes;
    boxes.fill(text);
    return boxes;
}

QString joined(const Boxes& boxes)
{
    QStringList texts(boxes.begin(), boxes.end());
    return texts.join(' ');
}
} // namespace

Q_DECLARE_METATYPE(Vakio::CoverResult)

class VakioTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); }

    // 0 is a draw, 1 a home win, 2 an away win; boxes above the matches keep their text.
    void drawRow_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10") << 10 << "x 1 2 x 1 2 x 1 2 x v v v";
        QTest::newRow("12") << 12 << "x 1 2 x 1 2 x 1 2 x 1 2 v";
        QTest::newRow("13") << 13 << "x 1 2 x 1 2 x 1 2 x 1 2 x";
    }
    void drawRow()
    {
        QFETCH(int, matches);
        QList<double> script;
        for (int i = 0; i < 13; ++i)
            script << QList<double>{0.0, 0.34, 0.99}[i % 3];
        ScriptedRandom random(script);
        Boxes boxes = filled("v");
        Vakio::drawRow(boxes, matches, random);
        QTEST(joined(boxes), "expected");
    }

    void normalizeHalfCover_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("x1") << "x1"
                            << "1x";
        QTest::newRow("2x") << "2x"
                            << "x2";
        QTest::newRow("21") << "21"
                            << "12";
        QTest::newRow("1x stays") << "1x"
                                  << "1x";
        QTest::newRow("12 stays") << "12"
                                  << "12";
        QTest::newRow("x2 stays") << "x2"
                                  << "x2";
    }
    void normalizeHalfCover()
    {
        QFETCH(QString, text);
        QTEST(Vakio::normalizeHalfCover(text), "expected");
    }

    // Counts of covers on freshly drawn rows, over many seeds: the covers land on distinct
    // matches among the first ones, a half cover keeps the drawn mark, boxes above stay.
    void placeCovers_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("half");
        QTest::addColumn<CoverResult>("result");
        QTest::newRow("F 13") << 13 << 13 << 0 << CoverResult::Placed;
        QTest::newRow("H 13") << 13 << 0 << 13 << CoverResult::Placed;
        QTest::newRow("F 4 H 6") << 13 << 4 << 6 << CoverResult::Placed;
        QTest::newRow("10 matches, F 3 H 7") << 10 << 3 << 7 << CoverResult::Placed;
        QTest::newRow("F 7 H 7 refused") << 13 << 7 << 7 << CoverResult::TooMany;
        QTest::newRow("10 matches, F 6 H 5 refused") << 10 << 6 << 5 << CoverResult::TooMany;
        QTest::newRow("11 matches, H 12 refused") << 11 << 0 << 12 << CoverResult::TooMany;
    }
    void placeCovers()
    {
        QFETCH(int, matches);
        QFETCH(int, full);
        QFETCH(int, half);
        QFETCH(CoverResult, result);
        const bool placed = result == CoverResult::Placed;
        for (quint64 seed = 1; seed <= 200; ++seed) {
            GeneratorRandom random(seed);
            Boxes drawn = filled("v"); // a single mark left above the matches
            Vakio::drawRow(drawn, matches, random);
            Boxes boxes = drawn;
            QCOMPARE(Vakio::placeCovers(boxes, matches, full, half, random), result);
            int fulls = 0, halves = 0;
            for (int i = 0; i < Vakio::BoxCount; ++i) {
                const QString& box = boxes[i];
                if (i >= matches || !placed) {
                    QCOMPARE(box, drawn[i]);
                } else if (box == "1x2") {
                    ++fulls;
                } else if (box.size() == 2) {
                    ++halves;
                    QVERIFY2(QStringList({"1x", "12", "x2"}).contains(box), qPrintable(box));
                    QVERIFY(box.contains(drawn[i]));
                } else {
                    QCOMPARE(box, drawn[i]);
                }
            }
            if (placed)
                QCOMPARE(QString("%1 %2").arg(fulls).arg(halves),
                         QString("%1 %2").arg(full).arg(half));
        }
    }

    // The second mark is written after the drawn one, normalized; the same mark again or a
    // box already widened is another attempt.
    void halfCoverOnOneBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<double>>("script"); // match, mark, match, mark...
        QTest::addColumn<QString>("expected");
        QTest::newRow("2 and 1") << "2" << QList<double>{0.0, 0.5} << "12";
        QTest::newRow("2 and x") << "2" << QList<double>{0.0, 0.1} << "x2";
        QTest::newRow("1 and x") << "1" << QList<double>{0.0, 0.1} << "1x";
        QTest::newRow("x and 1") << "x" << QList<double>{0.0, 0.5} << "1x";
        QTest::newRow("same mark retried") << "2" << QList<double>{0.0, 0.9, 0.0, 0.5} << "12";
        QTest::newRow("empty takes one mark") << "" << QList<double>{0.0, 0.9} << "2";
    }
    void halfCoverOnOneBox()
    {
        QFETCH(QString, box);
        QFETCH(QList<double>, script);
        ScriptedRandom random(script);
        Boxes boxes = filled(box);
        QCOMPARE(Vakio::placeCovers(boxes, 13, 0, 1, random), CoverResult::Placed);
        QTEST(boxes[0], "expected");
        QCOMPARE(boxes[1], box);
    }

    // Boxes that cannot take another cover end at the attempt limit instead of hanging.
    void coversThatCannotLand_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("half");
        QTest::newRow("full onto 1x2") << "1x2" << 1 << 0;
        QTest::newRow("half onto 1x2") << "1x2" << 0 << 1;
        QTest::newRow("half onto half") << "12" << 0 << 2;
    }
    void coversThatCannotLand()
    {
        QFETCH(QString, box);
        QFETCH(int, full);
        QFETCH(int, half);
        GeneratorRandom random(3);
        Boxes boxes = filled(box);
        QCOMPARE(Vakio::placeCovers(boxes, 10, full, half, random), CoverResult::AttemptLimit);
        QCOMPARE(joined(boxes), joined(filled(box)));
    }

    // Each system step has attempts of its own: many ordinary steps never run out.
    void manyStepsInARow()
    {
        GeneratorRandom random(11);
        for (int step = 0; step < 1000; ++step) {
            Boxes boxes;
            Vakio::drawRow(boxes, 13, random);
            QCOMPARE(Vakio::placeCovers(boxes, 13, 0, 13, random), CoverResult::Placed);
        }
    }

    void parseCoverCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a number
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("word") << "kolme" << -1;
        QTest::newRow("whole") << " 3 " << 3;
        QTest::newRow("decimal comma") << "2,7" << 2;
        QTest::newRow("decimal point") << "2.7" << 2;
        QTest::newRow("negative is none") << "-3" << 0;
        QTest::newRow("huge") << "1e300" << 1000;
    }
    void parseCoverCount()
    {
        QFETCH(QString, text);
        QTEST(Vakio::parseCoverCount(text).value_or(-1), "expected");
    }
};

QTEST_GUILESS_MAIN(VakioTest)
#include "tst_vakio.moc"
