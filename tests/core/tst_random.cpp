#include "core/random.h"
#include <QTest>
#include <set>
#include <vector>

class TestRandom : public QObject
{
    Q_OBJECT
private slots:
    // A fill gives exactly the numbers that as many calls of next() give, and leaves the
    // generator where they would: draws that fill a block at a time repeat a seeded draw.
    void fillContinuesTheSequence_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("count");
        QTest::newRow("none") << quint64(1) << 0;
        QTest::newRow("one") << quint64(2) << 1;
        QTest::newRow("a block") << quint64(20240611) << 1024;
    }
    void fillContinuesTheSequence()
    {
        QFETCH(quint64, seed);
        QFETCH(int, count);
        GeneratorRandom filling(seed);
        GeneratorRandom oneByOne(seed);
        std::vector<double> filled(size_t(count) + 1, -1.0);
        filling.fill(filled.data(), size_t(count));
        // Exactly equal: a fuzzy comparison would let the last bits differ.
        for (int i = 0; i < count; ++i)
            QVERIFY(filled[size_t(i)] == oneByOne.next());
        QVERIFY(filled[size_t(count)] == -1.0);
        QVERIFY(filling.next() == oneByOne.next());
    }

    // Numbers lie in [0, 1) and spread over it: every whole number of a range comes up, none
    // outside it. The same seed repeats its numbers, another seed or the system's entropy does
    // not.
    void numbers_data()
    {
        QTest::addColumn<quint64>("seed"); // 0: seeded from the system
        QTest::newRow("seeded") << quint64(7);
        QTest::newRow("from the system") << quint64(0);
    }
    void numbers()
    {
        QFETCH(quint64, seed);
        GeneratorRandom random = seed ? GeneratorRandom(seed) : GeneratorRandom();
        std::set<int> seen;
        for (int i = 0; i < 20000; ++i) {
            const int n = random.oneTo(39);
            QVERIFY(n >= 1 && n <= 39);
            seen.insert(n);
            QCOMPARE(random.upTo(0), 0);
        }
        QCOMPARE(seen.size(), size_t(39));

        GeneratorRandom again = seed ? GeneratorRandom(seed) : GeneratorRandom();
        GeneratorRandom other = seed ? GeneratorRandom(seed + 1) : GeneratorRandom();
        GeneratorRandom first = seed ? GeneratorRandom(seed) : GeneratorRandom();
        int sameAsAgain = 0;
        int sameAsOther = 0;
        for (int i = 0; i < 100; ++i) {
            const double r = first.next();
            sameAsAgain += r == again.next();
            sameAsOther += r == other.next();
        }
        QCOMPARE(sameAsAgain, seed ? 100 : 0);
        QCOMPARE(sameAsOther, 0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
