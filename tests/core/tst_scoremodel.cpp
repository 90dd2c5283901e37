#include "core/chance.h"
#include <QTest>
#include <cmath>

namespace {
// Poisson straight from its formula, independent of the model's recurrence.
double poisson(double mean, int k)
{
    return std::exp(k * std::log(mean) - mean - std::lgamma(k + 1.0));
}

ScoreRow row(const char* text)
{
    return *ScoreRow::fromText(QString::fromLatin1(text));
}

ScoreModel model(std::vector<ExpectedGoals> goals, double rho = 0)
{
    return *ScoreModel::make(goals, rho);
}
} // namespace

class TestScoreModel : public QObject
{
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<double>("rho");
        QTest::newRow("ordinary") << 1.45 << 0.98 << 0.0;
        QTest::newRow("corrected") << 1.45 << 0.98 << -0.13;
        QTest::newRow("lopsided") << 25.0 << 0.001 << 0.0;
    }
    // Over 0..99 a match's scores sum to 1; rho 0 is plain Poisson, and Dixon-Coles moves
    // only the four low scores, by its factors.
    void table()
    {
        QFETCH(double, home);
        QFETCH(double, away);
        QFETCH(double, rho);
        const auto scores = MatchScores::make({home, away}, rho);
        QVERIFY(scores);
        CompensatedSum sum;
        for (double p : scores->cells())
            sum.add(p);
        QVERIFY2(std::fabs(sum.value() - 1) < 1e-12, qPrintable(QString::number(sum.value() - 1)));
        const double factors[2][2] = {{1 - home * away * rho, 1 + home * rho},
                                      {1 + away * rho, 1 - rho}};
        for (int h = 0; h < MatchScores::Goals; ++h) {
            for (int a = 0; a < MatchScores::Goals; ++a) {
                double expected = poisson(home, h) * poisson(away, a);
                if (h < 2 && a < 2)
                    expected *= factors[h][a];
                const double p = scores->at(h, a);
                QVERIFY2(std::fabs(p - expected) <= 1e-12 * expected + 1e-300,
                         qPrintable(
                             QStringLiteral("%1-%2: %3 vs %4").arg(h).arg(a).arg(p).arg(expected)));
            }
        }
        const OutcomeProbabilities own = scores->outcomes(),
                                   fit = OddsFit::poissonOutcomes({home, away});
        QVERIFY(rho != 0 ||
                (std::fabs(own.home - fit.home) < 1e-12 && std::fabs(own.draw - fit.draw) < 1e-12));
    }

    // A rho that would make one of the four low scores negative is refused.
    void rhoRefused_data()
    {
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<double>("rho");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("refusedMatch"); // with a plain match before it
        QTest::newRow("0-0 at its limit") << 2.0 << 2.5 << 0.2 << true << -1;
        QTest::newRow("0-0 below zero") << 2.0 << 2.5 << 0.2001 << false << 1;
        QTest::newRow("1-1 below zero") << 0.3 << 0.3 << 1.01 << false << 0;
        QTest::newRow("not a number") << 1.0 << 1.0 << std::nan("") << false << 0;
    }
    void rhoRefused()
    {
        QFETCH(double, home);
        QFETCH(double, away);
        QFETCH(double, rho);
        QFETCH(bool, allowed);
        QFETCH(int, refusedMatch);
        QCOMPARE(MatchScores::make({home, away}, rho).has_value(), allowed);
        int refused = -1;
        const auto built = ScoreModel::make({{0.1, 0.1}, {home, away}}, rho, &refused);
        QCOMPARE(built.has_value(), allowed);
        QCOMPARE(refused, refusedMatch);
        QVERIFY(!ScoreModel::make({{home, away}}, 0));
    }

    void rowProbability()
    {
        const ScoreModel three = model({{1.2, 0.8}, {2.0, 1.1}, {0.5, 0.7}}, -0.1);
        const double p =
            three.match(0).at(2, 1) * three.match(1).at(0, 0) * three.match(2).at(10, 3);
        QCOMPARE(three.probability(row("2-1 0-0 10-3")), p);
        QCOMPARE(three.probability(row("2-1 0-0")), 0.0); // another width never wins
        QCOMPARE(ScoreModel().probability(row("2-1 0-0")), 0.0);
    }

    void tally()
    {
        const auto shared = std::make_shared<const ScoreModel>(model({{1.4, 1.1}, {0.9, 0.9}}));
        const ScoreRow a = row("1-0 0-0"), b = row("1-1 1-0");
        ChanceTally tally(shared);
        tally.reset(std::vector<ScoreRow>{a, b});
        tally.remove(a);
        QVERIFY(std::fabs(tally.sum() - shared->probability(b)) < 1e-17);
        tally.remove(b);
        tally.remove(b); // nothing left to remove
        tally.add(a);
        QCOMPARE(tally.rowCount(), qint64(1));
        QCOMPARE(tally.sum(), shared->probability(a));

        // Taken away one by one, the rows of a whole list leave exactly nothing, though the
        // removals do not undo the sum of the list to the last bit.
        std::vector<ScoreRow> many;
        for (int g = 0; g < 6 * 6 * 6 * 6; ++g)
            many.push_back(ScoreRow(2, {g % 6, g / 6 % 6, g / 36 % 6, g / 216, 0, 0}));
        tally.reset(many);
        for (size_t i = 0; i < many.size(); ++i)
            tally.remove(many[i * 7 % many.size()]); // 7 and 1296 share no factor
        QCOMPARE(tally.rowCount(), qint64(0));
        QVERIFY(tally.sum() == 0.0); // QCOMPARE would take a near miss for 0

        // A row listed many times counts each time; the chance stops at 1.
        ChanceTally certain(
            std::make_shared<const ScoreModel>(model({{0.001, 0.001}, {0.001, 0.001}})));
        certain.reset(std::vector<ScoreRow>(3, row("0-0 0-0")));
        QVERIFY(certain.sum() > 2.9);
        QCOMPARE(certain.chance(), 1.0);
        QCOMPARE(ChanceTally().chance(), 0.0);
    }

    void texts_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("text");
        QTest::newRow("label") << 0.0341 << "3,41 % (1 : 29)";
        QTest::newRow("certain") << 1.0 << "100,00 % (1 : 1)";
        QTest::newRow("just below 1 %") << 0.0099 << "0,99 % (1 : 101)";
        QTest::newRow("too small to write") << 1e-20 << "0 %";
    }
    void texts()
    {
        QFETCH(double, chance);
        QFETCH(QString, text);
        QCOMPARE(Chance::chanceText(chance, QLocale(QLocale::Finnish, QLocale::Finland)), text);
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        QCOMPARE(Chance::chanceText(chance, english), QString(text).replace(u',', u'.'));
    }
};

QTEST_GUILESS_MAIN(TestScoreModel)
#include "tst_scoremodel.moc"
