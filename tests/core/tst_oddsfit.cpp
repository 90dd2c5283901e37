#include "core/matchinput.h"
#include "core/numbers.h"
#include <QTest>
#include <algorithm>

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);

// The odds for the model's probabilities with a margin that is a share of what the likeliest
// outcome leaves, so every odds stays above 1; written with a dot when a margin is added.
MatchInputTexts oddsFor(ExpectedGoals goals, bool overUnder, double share)
{
    const OutcomeProbabilities p = OddsFit::poissonOutcomes(goals);
    const double over = OddsFit::poissonOver(goals);
    const double margin = share * (1 / std::max({p.home, p.draw, p.away, over, 1 - over}) - 1);
    auto text = [&](double q) {
        const QString t = QString::number(1 / (q * (1 + margin)), 'g', 17);
        return share > 0 ? t : QString(t).replace(u'.', u',');
    };
    MatchInputTexts texts{text(p.home), text(p.draw), text(p.away), {}, {}, {}, {}};
    if (overUnder) {
        texts.over = text(over);
        texts.under = text(1 - over);
    }
    return texts;
}
} // namespace

class TestOddsFit : public QObject
{
    Q_OBJECT
private slots:
    // Odds made from known expected goals give them back through the window's reading; a
    // margin spread over the outcomes changes nothing.
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
        }
    }
    void fitGivesTheGoalsBack()
    {
        QFETCH(double, home);
        QFETCH(double, away);
        QFETCH(bool, overUnder);
        const MatchInput plain = readMatchInput(oddsFor({home, away}, overUnder, 0), finnish);
        QVERIFY(plain.ok() && plain.fromOdds);
        QVERIFY(qAbs(plain.goals.home - home) < 1e-6 && qAbs(plain.goals.away - away) < 1e-6);
        QCOMPARE(plain.oddsOver.has_value(), overUnder);
        const MatchInput with = readMatchInput(oddsFor({home, away}, overUnder, 0.9));
        QVERIFY(with.ok() && qAbs(with.goals.home - plain.goals.home) < 1e-9);
        QVERIFY(qAbs(with.goals.away - plain.goals.away) < 1e-9);
    }

    // The first fault, in field order, is told in the window's words.
    void refused_data()
    {
        QTest::addColumn<QStringList>("texts"); // 1, X, 2, over, under, home goals, away goals
        QTest::addColumn<QString>("message");   // after "Kohde 2: "
        // clang-format off
        QTest::newRow("below 1") << QStringList{"0,95", "3", "4"} << "kerroin 1 pitää olla suurempi kuin 1.";
        QTest::newRow("missing") << QStringList{"2", "3,4", " "} << "kerroin 2 puuttuu.";
        QTest::newRow("text") << QStringList{"2", "kolme", "4"} << "kerroin X ei ole luku.";
        QTest::newRow("over without under") << QStringList{"2", "3,4", "3,6", "1,9"} << "alle 2,5 maalin kerroin puuttuu.";
        // An even match with hardly any draws would need more goals than a row can hold.
        QTest::newRow("cannot fit") << QStringList{"1,9", "200", "1,9"} << "kertoimille ei löydy sopivia odotettuja maalimääriä.";
        QTest::newRow("nothing") << QStringList{} << "anna kertoimet 1, X ja 2 tai odotetut maalimäärät.";
        QTest::newRow("too many goals") << QStringList{"", "", "", "", "", "1", "25,5"} << "vierasjoukkueen odotettu maalimäärä saa olla enintään 25.";
        // clang-format on
    }
    void refused()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        texts.resize(7);
        const MatchInput read = readMatchInput(
            {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]}, finnish);
        QVERIFY(!read.ok());
        QCOMPARE(matchInputErrorText(2, read), "Kohde 2: " + message);
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // -1: not a number
        QTest::newRow("comma") << "2,15" << 2.15;
        QTest::newRow("minus sign") << QString::fromUtf8("\u22120,12") << -0.12;
        QTest::newRow("grouped") << "1.000,5" << -1.0;
        QTest::newRow("two separators") << "2,1.5" << -1.0;
        QTest::newRow("nan") << "nan" << -1.0;
    }
    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseDecimal(text, finnish).value_or(-1), value);
    }
};

QTEST_GUILESS_MAIN(TestOddsFit)
#include "tst_oddsfit.moc"
