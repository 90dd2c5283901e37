#include "core/bestrowscount.h"
#include "core/modelinput.h"
#include <QTest>

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);

// "1|X|2|over|under|home goals|away goals", short forms allowed.
MatchInputTexts match(const QString& boxes)
{
    QStringList f = boxes.split('|');
    f.resize(7);
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
}

ModelInputTexts inputs(const QStringList& matches, const QString& rho)
{
    ModelInputTexts texts;
    for (int m = 0; m < matches.size(); ++m)
        texts.matches[size_t(m)] = match(matches[m]);
    texts.rho = rho;
    return texts;
}
} // namespace

class TestModelInput : public QObject
{
    Q_OBJECT
private slots:
    // The first fault of the matches in use is told, before rho; the window's own tests try
    // each kind of fault.
    void firstFaultTold()
    {
        const QString goals = "|||||3|3";
        ModelInput read = readModelInput(inputs({goals, "2|x|3", "y"}, "z"), 3, finnish);
        QCOMPARE(read.error, "Kohde 2: kerroin X ei ole luku.");
        QCOMPARE(read.errorMatch, 2);
        QVERIFY(!read.rhoAtFault && !read.ok());
        // 1 - 3 * 3 * rho stays positive for a negative rho.
        read = readModelInput(inputs({goals, goals, "y"}, "-0,1"), 2, finnish);
        QVERIFY(read.ok() && read.error.isEmpty());
    }

    // A count typed, or the rows a budget buys at the stake per row; every refusal in words.
    void bestRowsCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<qint64>("stake"); // cents
        QTest::addColumn<qint64>("rows");  // -1: refused
        QTest::addColumn<QString>("error");
        const QString tooFew = "Rivimäärän pitää olla vähintään 1.";
        const QString notMoney = "Budjetti ei ole euromäärä (esimerkiksi 25 tai 12,50).";
        const QString noBudget = "Budjetin pitää olla suurempi kuin 0 €.";
        // clang-format off
        QTest::newRow("count") << " 25 " << "" << 0LL << 25LL << "";
        QTest::newRow("largest count") << "100000000" << " " << 20LL << 100000000LL << "";
        QTest::newRow("count too large") << "100000001" << "" << 20LL << -1LL
            << "100000001 riviä on liikaa: kerralla voi hakea enintään 100000000 riviä.";
        QTest::newRow("count with decimals") << "2,5" << "" << 20LL << -1LL
            << "Rivimäärä ei ole kokonaisluku.";
        QTest::newRow("both") << "5" << "10" << 20LL << -1LL
            << "Anna joko rivimäärä tai budjetti, ei molempia.";
        QTest::newRow("neither") << " " << "" << 20LL << -1LL
            << "Anna parhaiden rivien määrä tai budjetti euroina.";
        QTest::newRow("budget") << "" << "10" << 20LL << 50LL << "";
        QTest::newRow("budget rounded down") << "" << "10,10" << 30LL << 33LL << "";
        QTest::newRow("budget below the stake") << "" << "0,1" << 20LL << -1LL
            << "Budjetilla 0,1 € ei saa yhtään riviä, kun panos on 0,2 € riviltä.";
        QTest::newRow("no stake") << "" << "10" << 0LL << -1LL
            << "Panos on 0 €, joten budjetista ei voi laskea rivimäärää. Valitse ensin panos.";
        QTest::newRow("budget text") << "" << "kymppi" << 20LL << -1LL << notMoney;
        QTest::newRow("budget too large") << "" << "20000000,2" << 20LL << -1LL
            << "100000001 riviä on liikaa: kerralla voi hakea enintään 100000000 riviä.";
        // clang-format on
    }
    void bestRowsCount()
    {
        QFETCH(QString, count);
        QFETCH(QString, budget);
        QFETCH(qint64, stake);
        const BestRowsCount read = readBestRowsCount(count, budget, stake, finnish);
        QTEST(read.count.value_or(-1), "rows");
        QTEST(read.error, "error");
    }
};

QTEST_GUILESS_MAIN(TestModelInput)
#include "tst_modelinput.moc"
