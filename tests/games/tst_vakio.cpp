#include "games/vakio.h"
#include <QLocale>
#include <QtTest>

using Vakio::Boxes;
using Vakio::CoverResult;
Q_DECLARE_METATYPE(Vakio::CoverResult)

namespace {
// Plays back given numbers, then goes on from a seeded generator.
struct Playback : RandomSource
{
    explicit Playback(QList<double> values) : values(values) {}
    double next() override { return values.isEmpty() ? rest.next() : values.takeFirst(); }
    QList<double> values;
    GeneratorRandom rest{7};
};

Boxes filled(const QString& text)
{
    Boxes boxes;
    boxes.fill(text);
    return boxes;
}
} // namespace

class VakioTest : public QObject
{
    Q_OBJECT

private slots:
    // Over many seeds: covers land on distinct boxes among the matches, a half cover keeps
    // the drawn mark, and a refused step changes nothing.
    void placeCovers_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("half");
        QTest::addColumn<CoverResult>("result");
        QTest::newRow("F 13") << 13 << 13 << 0 << CoverResult::Placed;
        QTest::newRow("H 13") << 13 << 0 << 13 << CoverResult::Placed;
        QTest::newRow("10 matches, F 3 H 7") << 10 << 3 << 7 << CoverResult::Placed;
        QTest::newRow("F 7 H 7") << 13 << 7 << 7 << CoverResult::TooMany;
        QTest::newRow("10 matches, F 6 H 5") << 10 << 6 << 5 << CoverResult::TooMany;
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
            Boxes drawn = filled("v"); // a single mark above the matches, free for a cover
            Vakio::drawRow(drawn, matches, random);
            Boxes boxes = drawn;
            QCOMPARE(Vakio::placeCovers(boxes, matches, full, half, random), result);
            int fulls = 0, halves = 0;
            for (int i = 0; i < Vakio::BoxCount; ++i) {
                if (i < matches && placed && boxes[i] == "1x2")
                    ++fulls;
                else if (i < matches && placed && boxes[i] != drawn[i])
                    halves += QStringList({"1x", "12", "x2"}).contains(boxes[i]) &&
                              boxes[i].contains(drawn[i]);
                else
                    QCOMPARE(boxes[i], drawn[i]);
            }
            QCOMPARE(std::make_pair(fulls, halves),
                     placed ? std::make_pair(full, half) : std::make_pair(0, 0));
        }
    }

    // The second mark joins the first in the one order; the same mark again is another try.
    void halfCover_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<double>>("script"); // match, mark, match, mark...
        QTest::addColumn<QString>("expected");
        QTest::newRow("21 is 12") << "2" << QList<double>{0.0, 0.5} << "12";
        QTest::newRow("2x is x2") << "2" << QList<double>{0.0, 0.1} << "x2";
        QTest::newRow("x1 is 1x") << "x" << QList<double>{0.0, 0.5} << "1x";
        QTest::newRow("same mark tried again") << "2" << QList<double>{0.0, 0.9, 0.0, 0.5} << "12";
    }
    void halfCover()
    {
        QFETCH(QString, box);
        QFETCH(QList<double>, script);
        Playback random(script);
        Boxes boxes = filled(box);
        QCOMPARE(Vakio::placeCovers(boxes, 13, 0, 1, random), CoverResult::Placed);
        QTEST(boxes[0], "expected");
    }

    // Full covers left from before cannot take another: the step ends at the attempt limit.
    void fullCoverEnds()
    {
        GeneratorRandom random(3);
        Boxes boxes = filled("1x2");
        QCOMPARE(Vakio::placeCovers(boxes, 10, 1, 0, random), CoverResult::AttemptLimit);
    }

    void parseCoverCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a number
        QTest::newRow("cancelled") << "" << -1;
        QTest::newRow("word") << "kolme" << -1;
        QTest::newRow("decimal comma") << " 2,7 " << 2;
        QTest::newRow("negative is none") << "-3" << 0;
    }
    void parseCoverCount()
    {
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
        QTEST(Vakio::parseCoverCount(text).value_or(-1), "expected");
    }
};

QTEST_GUILESS_MAIN(VakioTest)
#include "tst_vakio.moc"
