#include "core/bestrowscount.h"
#include "core/modelinput.h"
#include "core/money.h"
#include "core/numbers.h"
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);

// "1|X|2|over|under|home goals|away goals", short forms allowed.
MatchInputTexts match(const QString& boxes)
{
    QStringList f = boxes.split('|');
    f.resize(7);
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
}

// Odds with a margin (a share of what the likeliest outcome leaves); a dot when margined.
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

class TestInput : public QObject
{
    Q_OBJECT
private slots:
    void fitGivesTheGoalsBack_data()
    {
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<bool>("overUnder");
        for (bool overUnder : {false, true}) {
            const char* with = overUnder ? ", over/under" : "";
            QTest::addRow("favourite%s", with) << 2.4 << 0.6 << overUnder;
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

    // Means worked out apart from the program (an arbitrary-precision Poisson fitted by a root
    // finder), so that a fault shared by the fit and the model cannot pass; the warnings the odds
    // are taken with; and the first fault, in field order, in the window's words.
    void readMatch_data()
    {
        QTest::addColumn<QString>("boxes"); // as match() reads them
        QTest::addColumn<double>("rho");
        // Taken: "disagree " (misses an outcome by 3 points), "implausible " (a book no
        // bookmaker makes), then the means, all checked as far as given; else the message
        // after "Kohde 2: ".
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("1X2") << "2,10|3,40|3,60" << 0.0 << "1.3161336 0.9339167";
        QTest::newRow("1X2, corrected") << "2,10|3,40|3,60" << -0.13 << "1.5765712 1.1603856";
        // Over/under that 1X2 alone would price as an ordinary match.
        QTest::newRow("high-scoring") << "2,10|3,40|3,60|1,55|2,45" << 0.0 << "disagree 1.7753956 1.3545345";
        QTest::newRow("favourite, low over") << "1,45|4,50|7,00|2,30|1,62" << 0.0 << "1.7444583 0.6009743";
        QTest::newRow("high-scoring, corrected") << "2,10|3,40|3,60|1,55|2,45" << -0.1 << "1.7848345 1.3556683";
        QTest::newRow("away 36 for 3,6") << "2,10|3,40|36" << 0.0 << "implausible";
        QTest::newRow("all 1,01") << "1,01|1,01|1,01" << 0.0 << "implausible";
        QTest::newRow("over/under 1,2 and 1,2") << "2,10|3,40|3,60|1,2|1,2" << 0.0 << "implausible";
        QTest::newRow("goals typed") << "|||||1,2|0,8" << 0.0 << "1.2000000 0.8000000";
        QTest::newRow("exactly 1") << "2|1|4" << 0.0 << "kerroin X pitää olla suurempi kuin 1.";
        QTest::newRow("missing") << "2|3,4| " << 0.0 << "kerroin 2 puuttuu.";
        QTest::newRow("text") << "2|kolme|4" << 0.0 << "kerroin X ei ole luku.";
        QTest::newRow("over without under") << "2|3,4|3,6|1,9" << 0.0 << "alle 2,5 maalin kerroin puuttuu.";
        QTest::newRow("cannot fit") << "1,9|200|1,9" << 0.0 << "kertoimille ei löydy sopivia odotettuja maalimääriä.";
        QTest::newRow("nothing") << "" << 0.0 << "anna kertoimet 1, X ja 2 tai odotetut maalimäärät.";
        QTest::newRow("over no number") << "2|3,4|3,6|x|1,9" << 0.0 << "yli 2,5 maalin kerroin ei ole luku.";
        QTest::newRow("home goals below 0,001") << "|||||0,0001|1" << 0.0 << "kotijoukkueen odotettu maalimäärä on liian pieni.";
        QTest::newRow("away goals missing") << "|||||1|" << 0.0 << "vierasjoukkueen odotettu maalimäärä puuttuu.";
        QTest::newRow("too many goals") << "|||||1|25,5" << 0.0 << "vierasjoukkueen odotettu maalimäärä saa olla enintään 25.";
        // clang-format on
    }
    void readMatch()
    {
        QFETCH(QString, boxes);
        QFETCH(double, rho);
        QFETCH(QString, read);
        const MatchInput input = readMatchInput(match(boxes), finnish, rho);
        if (!input.ok()) {
            QCOMPARE(matchInputErrorText(2, input).mid(9), read);
            return;
        }
        const QString got = QString(input.oddsDisagree() ? "disagree " : "") +
                            (input.bookImplausible() ? "implausible " : "") +
                            QString::number(input.goals.home, 'f', 7) + ' ' +
                            QString::number(input.goals.away, 'f', 7);
        QCOMPARE(got.left(read.size()), read);
        // The model with the correction gives back the odds' own draw.
        const auto table = MatchScores::make(input.goals, rho);
        QVERIFY(table);
        if (input.fromOdds && !input.oddsOver)
            QVERIFY(qAbs(table->outcomes().draw - input.oddsOutcomes.draw) < 1e-9);
    }

    // What the windows never pass is refused all the same: a zero, a sum above 1, an over of 1
    // and a rho that is no number.
    void fitRefuses()
    {
        QVERIFY(!OddsFit::fit({0.5, 0.5, 0}, std::nullopt, 0));
        QVERIFY(!OddsFit::fit({0.5, 0.3, 0.3}, std::nullopt, 0));
        QVERIFY(!OddsFit::fit({0.5, 0.3, 0.2}, 1.0, 0));
        QVERIFY(!OddsFit::fit({0.5, 0.3, 0.2}, std::nullopt, std::nan("")));
    }

    // A rho that would make a low score negative is refused with the range the match allows;
    // one that is no number is told after the matches.
    void rhoRange()
    {
        ModelInputTexts texts;
        texts.matches[0] = match("|||||1,5|1");
        texts.matches[1] = match("|||||2|2,5");
        texts.rho = "x";
        QCOMPARE(readModelInput(texts, 2, finnish).error,
                 QString("Dixon-Coles-korjaus (rho) ei ole luku."));
        texts.rho = "0,3";
        const ModelInput read = readModelInput(texts, 2, finnish);
        QVERIFY(!read.ok() && read.rhoAtFault);
        QCOMPARE(read.error, QString("Kohde 2: Dixon-Coles-korjaus (rho) tekee jonkin tuloksen "
                                     "todennäköisyydestä negatiivisen. Sallittu rho on tälle "
                                     "kohteelle \u22120,40 ... 0,20."));
    }

    // Whole numbers and the stakes' round trip are the fuzz replay's; here the values read.
    void numbers_data()
    {
        QTest::addColumn<bool>("cents"); // else a decimal
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // empty: refused
        QTest::newRow("comma") << false << "2,15"
                               << "2.15";
        QTest::newRow("minus sign") << false << QString::fromUtf8("\u22120,12") << "-0.12";
        QTest::newRow("grouped") << false << "1.000,5"
                                 << "";
        QTest::newRow("two separators") << false << "2,1.5"
                                        << "";
        QTest::newRow("cents") << true << "0,05"
                               << "5";
        QTest::newRow("point for comma") << true << "1.5"
                                         << "150";
        QTest::newRow("tenths of cents") << true << "1,234"
                                         << "";
    }
    void numbers()
    {
        QFETCH(bool, cents);
        QFETCH(QString, text);
        const auto shown = [](auto value) { return value ? QString::number(*value) : QString(); };
        QTEST(cents ? shown(Money::parseCents(text, finnish)) : shown(parseDecimal(text, finnish)),
              "read");
    }

    // A count typed, or the rows a budget buys at the stake per row.
    void bestRowsCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<qint64>("stake"); // cents
        QTest::addColumn<QString>("read"); // the rows, or the refusal
        const QString tooMany =
            "100000001 riviä on liikaa: kerralla voi hakea enintään 100000000 riviä.";
        // clang-format off
        QTest::newRow("largest count") << "100000000" << " " << 20LL << "100000000";
        QTest::newRow("count too large") << "100000001" << "" << 20LL << tooMany;
        QTest::newRow("both") << "5" << "10" << 20LL << "Anna joko rivimäärä tai budjetti, ei molempia.";
        QTest::newRow("budget rounded down") << "" << "10,10" << 30LL << "33";
        QTest::newRow("budget below the stake") << "" << "0,1" << 20LL << "Budjetilla 0,1 € ei saa yhtään riviä, kun panos on 0,2 € riviltä.";
        QTest::newRow("no stake") << "" << "10" << 0LL << "Panos on 0 €, joten budjetista ei voi laskea rivimäärää. Valitse ensin panos.";
        QTest::newRow("neither") << "" << "" << 20LL << "Anna parhaiden rivien määrä tai budjetti euroina.";
        QTest::newRow("count 0") << "0" << "" << 20LL << "Rivimäärän pitää olla vähintään 1.";
        QTest::newRow("budget no sum") << "" << "kymppi" << 20LL << "Budjetti ei ole euromäärä (esimerkiksi 25 tai 12,50).";
        QTest::newRow("budget 0") << "" << "0" << 20LL << "Budjetin pitää olla suurempi kuin 0 €.";
        QTest::newRow("budget too large") << "" << "20000000,2" << 20LL << tooMany;
        // clang-format on
    }
    void bestRowsCount()
    {
        QFETCH(QString, count);
        QFETCH(QString, budget);
        QFETCH(qint64, stake);
        const BestRowsCount read = readBestRowsCount(count, budget, stake, finnish);
        QTEST(read.count ? QString::number(*read.count) : read.error, "read");
    }
};

QTEST_GUILESS_MAIN(TestInput)
#include "tst_input.moc"
