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
    void fillContinuesTheSequence()
    {
        for (int count : {0, 1024}) {
            GeneratorRandom filling(20240611), oneByOne(20240611);
            std::vector<double> filled(size_t(count) + 1, -1.0);
            filling.fill(filled.data(), size_t(count));
            // Exactly equal: a fuzzy comparison would let the last bits differ.
            for (int i = 0; i < count; ++i)
                QVERIFY(filled[size_t(i)] == oneByOne.next());
            QVERIFY(filled[size_t(count)] == -1.0);
            QVERIFY(filling.next() == oneByOne.next());
        }
    }

    // Every whole number of a range comes up, none outside it. The same seed repeats its
    // numbers; another seed or the system's entropy does not.
    void numbers()
    {
        GeneratorRandom random(7);
        std::set<int> seen;
        for (int i = 0; i < 20000; ++i) {
            const int n = random.oneTo(39);
            QVERIFY(n >= 1 && n <= 39);
            seen.insert(n);
        }
        QCOMPARE(seen.size(), size_t(39));
        GeneratorRandom first(7), again(7), other(8), system1, system2;
        int same = 0, differ = 0;
        for (int i = 0; i < 100; ++i) {
            const double r = first.next();
            same += r == again.next();
            differ += r == other.next() || system1.next() == system2.next();
        }
        QCOMPARE(same, 100);
        QCOMPARE(differ, 0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
