#include "core/matchinput.h"
#include "core/numbers.h"
#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(MatchInputError)
Q_DECLARE_METATYPE(MatchField)

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);

// The odds a bookmaker would set for the model's probabilities, as text with a comma or a dot.
// The margin is a share of what is left above the likeliest outcome's probability, so that
// every odds stays above 1 (as a bookmaker's do).
QString oddsText(double p, double margin, bool comma)
{
    QString text = QString::number(1 / (p * (1 + margin)), 'g', 17);
    return comma ? text.replace(u'.', u',') : text;
}

MatchInputTexts oddsFor(ExpectedGoals goals, bool overUnder, double share, bool comma = true)
{
    const OutcomeProbabilities p = OddsFit::poissonOutcomes(goals);
    const double over = OddsFit::poissonOver(goals);
    double likeliest = std::max({p.home, p.draw, p.away});
    if (overUnder)
        likeliest = std::max({likeliest, over, 1 - over});
    const double margin = share * (1 / likeliest - 1);
    MatchInputTexts texts;
    texts.home = oddsText(p.home, margin, comma);
    texts.draw = oddsText(p.draw, margin, comma);
    texts.away = oddsText(p.away, margin, comma);
    if (overUnder) {
        texts.over = oddsText(over, margin, comma);
        texts.under = oddsText(1 - over, margin, comma);
    }
    return texts;
}
} // namespace

class TestOddsFit : public QObject
{
    Q_OBJECT
private slots:
    // Odds made from known expected goals give them back, through the same reading the
    // window uses; a margin spread over the outcomes changes nothing.
    void fitGivesTheGoalsBack_data()
    {
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<bool>("overUnder");
        for (bool overUnder : {false, true}) {
            const char* with = overUnder ? ", over/under" : "";
            QTest::addRow("favourite%s", with) << 2.4 << 0.6 << overUnder;
            QTest::addRow("even%s", with) << 1.3 << 1.3 << overUnder;
            QTest::addRow("long shot%s", with) << 0.4 << 3.1 << overUnder;
            QTest::addRow("goal feast%s", with) << 4.5 << 3.8 << overUnder;
            QTest::addRow("goalless%s", with) << 0.15 << 0.2 << overUnder;
        }
    }
    void fitGivesTheGoalsBack()
    {
        QFETCH(double, home);
        QFETCH(double, away);
        QFETCH(bool, overUnder);
        const MatchInput plain = readMatchInput(oddsFor({home, away}, overUnder, 0), finnish);
        QVERIFY(plain.ok());
        QVERIFY(plain.fromOdds);
        QVERIFY(qAbs(plain.goals.home - home) < 1e-6);
        QVERIFY(qAbs(plain.goals.away - away) < 1e-6);
        QCOMPARE(plain.oddsOver.has_value(), overUnder);
        for (double margin : {0.2, 0.9}) {
            const MatchInput withMargin =
                readMatchInput(oddsFor({home, away}, overUnder, margin, false), finnish);
            QVERIFY(withMargin.ok());
            QVERIFY(qAbs(withMargin.goals.home - plain.goals.home) < 1e-9);
            QVERIFY(qAbs(withMargin.goals.away - plain.goals.away) < 1e-9);
            QVERIFY(qAbs(withMargin.oddsOutcomes.draw - plain.oddsOutcomes.draw) < 1e-12);
        }
    }

    // Over/under odds that disagree with 1X2 still fit, in between what each alone says.
    void leastSquaresBetweenMarkets()
    {
        const ExpectedGoals truth{1.5, 1.0};
        const OutcomeProbabilities outcomes = OddsFit::poissonOutcomes(truth);
        const double fewerGoals = OddsFit::poissonOver({1.2, 0.8});
        const auto fitted = OddsFit::fit(outcomes, fewerGoals);
        QVERIFY(fitted);
        const double total = fitted->home + fitted->away;
        QVERIFY2(total < 2.5 && total > 2.0, qPrintable(QString::number(total)));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("texts"); // 1, X, 2, over, under, home goals, away goals
        QTest::addColumn<MatchInputError>("error");
        QTest::addColumn<MatchField>("field");
        QTest::addColumn<QString>("message"); // for match 2
        using E = MatchInputError;
        using F = MatchField;
        QTest::newRow("below 1") << QStringList{"0,95", "3", "4"} << E::TooSmall << F::Home
                                 << "Kohde 2: kerroin 1 pitää olla suurempi kuin 1.";
        QTest::newRow("exactly 1") << QStringList{"2", "1", "4"} << E::TooSmall << F::Draw << "";
        QTest::newRow("missing") << QStringList{"2", "3,4", " "} << E::Missing << F::Away
                                 << "Kohde 2: kerroin 2 puuttuu.";
        QTest::newRow("text") << QStringList{"2", "kolme", "4"} << E::NotANumber << F::Draw
                              << "Kohde 2: kerroin X ei ole luku.";
        QTest::newRow("two separators")
            << QStringList{"2,1.5", "3", "4"} << E::NotANumber << F::Home << "";
        QTest::newRow("infinite") << QStringList{"2", "inf", "4"} << E::NotANumber << F::Draw << "";
        QTest::newRow("exponent") << QStringList{"2e1", "3", "4"} << E::NotANumber << F::Home << "";
        QTest::newRow("over without under")
            << QStringList{"2", "3,4", "3,6", "1,9"} << E::Missing << F::Under
            << "Kohde 2: alle 2,5 maalin kerroin puuttuu.";
        QTest::newRow("under without over")
            << QStringList{"2", "3,4", "3,6", "", "1,9"} << E::Missing << F::Over
            << "Kohde 2: yli 2,5 maalin kerroin puuttuu.";
        QTest::newRow("under alone")
            << QStringList{"", "", "", "", "1,9"} << E::Missing << F::Home << "";
        // An even match with hardly any draws would need more goals than a row can hold.
        QTest::newRow("cannot fit") << QStringList{"1,9", "200", "1,9"} << E::CannotFit << F::Home
                                    << "Kohde 2: kertoimille ei löydy sopivia "
                                       "odotettuja maalimääriä.";
        QTest::newRow("nothing") << QStringList{} << E::Empty << F::Home
                                 << "Kohde 2: anna kertoimet 1, X ja 2 tai odotetut maalimäärät.";
        QTest::newRow("zero goals")
            << QStringList{"", "", "", "", "", "0", "1"} << E::TooSmall << F::HomeGoals
            << "Kohde 2: kotijoukkueen odotettu maalimäärä on liian pieni.";
        QTest::newRow("goals text")
            << QStringList{"", "", "", "", "", "1", "x"} << E::NotANumber << F::AwayGoals << "";
        QTest::newRow("too many goals")
            << QStringList{"", "", "", "", "", "1", "25,5"} << E::TooLarge << F::AwayGoals
            << "Kohde 2: vierasjoukkueen odotettu maalimäärä saa olla enintään 25.";
        QTest::newRow("goals missing")
            << QStringList{"", "", "", "", "", "1,2"} << E::Missing << F::AwayGoals << "";
    }
    void refused()
    {
        QFETCH(QStringList, texts);
        QFETCH(MatchInputError, error);
        QFETCH(MatchField, field);
        QFETCH(QString, message);
        while (texts.size() < 7)
            texts << QString();
        MatchInputTexts input;
        input.home = texts[0];
        input.draw = texts[1];
        input.away = texts[2];
        input.over = texts[3];
        input.under = texts[4];
        input.homeGoals = texts[5];
        input.awayGoals = texts[6];
        const MatchInput read = readMatchInput(input, finnish);
        QCOMPARE(read.error, error);
        QCOMPARE(read.field, field);
        if (!message.isEmpty())
            QCOMPARE(matchInputErrorText(2, read), message);
    }

    // Typed expected goals are taken as they are; typed odds win over them.
    void expectedGoalsOrOdds()
    {
        MatchInputTexts texts;
        texts.homeGoals = "1,45";
        texts.awayGoals = "0.98";
        MatchInput read = readMatchInput(texts, finnish);
        QVERIFY(read.ok() && !read.fromOdds);
        QCOMPARE(read.goals.home, 1.45);
        QCOMPARE(read.goals.away, 0.98);
        texts.home = "1,8";
        texts.draw = "3,6";
        texts.away = "4,5";
        read = readMatchInput(texts, finnish);
        QVERIFY(read.ok() && read.fromOdds);
        QVERIFY(read.goals.home > read.goals.away);
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // -1: not a number
        QTest::newRow("comma") << "2,15" << 2.15;
        QTest::newRow("dot") << " 2.15 " << 2.15;
        QTest::newRow("no whole part") << ",5" << 0.5;
        QTest::newRow("negative") << "-0,12" << -0.12;
        QTest::newRow("minus sign") << QString::fromUtf8("\u22120,12") << -0.12;
        QTest::newRow("trailing separator") << "5," << 5.0;
        QTest::newRow("grouped") << "1.000,5" << -1.0;
        QTest::newRow("separator alone") << "," << -1.0;
        QTest::newRow("two separators") << "2,1.5" << -1.0;
        QTest::newRow("past the double range") << "1" + QString(400, u'0') << -1.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("nan") << "nan" << -1.0;
        QTest::newRow("inner blank") << "2 5" << -1.0;
    }
    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto read = parseDecimal(text, finnish);
        QCOMPARE(read.value_or(-1), value);
    }

    void rho()
    {
        QCOMPARE(readRho(" ", finnish), 0.0);
        QCOMPARE(readRho("-0,1", finnish), -0.1);
        QVERIFY(!readRho("a", finnish));
        QVERIFY(rhoErrorText(0).endsWith(QStringLiteral("ei ole luku.")));
        QVERIFY(rhoErrorText(3).startsWith(QStringLiteral("Kohde 3: ")));
    }
};

QTEST_GUILESS_MAIN(TestOddsFit)
#include "tst_oddsfit.moc"
