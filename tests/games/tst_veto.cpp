#include "games/veto.h"
#include <QLocale>
#include <QtTest>

namespace {
// Plays back given numbers, then goes on from a seeded generator.
struct Playback : RandomSource
{
    explicit Playback(QList<double> values) : values(values) {}
    double next() override { return values.isEmpty() ? rest.next() : values.takeFirst(); }
    QList<double> values;
    GeneratorRandom rest{5};
};
} // namespace

class VetoTest : public QObject
{
    Q_OBJECT

private slots:
    // The last round stands; labels from the match count on keep their text.
    void draw_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<qint64>("repetitions");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3") << 3 << qint64(0) << "X 1 2 - - -";
        QTest::newRow("3, repetitions 1 is two rounds") << 3 << qint64(1) << "2 2 X - - -";
        QTest::newRow("3, repetitions -1 draws nothing") << 3 << qint64(-1) << "- - - - - -";
        QTest::newRow("4") << 4 << qint64(0) << "X 1 2 2 - -";
        QTest::newRow("6, two rounds") << 6 << qint64(1) << "1 1 X X X 1";
    }
    void draw()
    {
        QFETCH(int, matches);
        QFETCH(qint64, repetitions);
        Playback random({0.1, 0.5, 0.9, 0.9, 0.9, 0.1, 0.4, 0.4, 0.2, 0.2, 0.0, 0.6});
        Veto::Outcomes labels;
        labels.fill("-");
        Veto::draw(labels, matches, repetitions, random);
        QTEST(QStringList(labels.begin(), labels.end()).join(' '), "expected");
    }

    void parseRepetitions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected"); // -2: refused
        QTest::newRow("word") << "kaksi" << qint64(-2);
        QTest::newRow("far below zero") << "-50" << qint64(-1);
        QTest::newRow("decimal comma") << "2,5" << qint64(2);
        QTest::newRow("largest") << "1000000" << qint64(1000000);
        QTest::newRow("too many") << "1000001" << qint64(-2);
    }
    void parseRepetitions()
    {
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
        QTEST(Veto::parseRepetitions(text).value_or(-2), "expected");
    }
};

QTEST_GUILESS_MAIN(VetoTest)
#include "tst_veto.moc"
