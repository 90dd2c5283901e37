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

    // Means worked out apart from the program (an arbitrary-precision Poisson fitted by a root
    // finder), so that a fault shared by the fit and the model cannot pass.
    void fitMatchesReference_data()
    {
        QTest::addColumn<QString>("boxes"); // as match() reads them
        QTest::addColumn<double>("rho");
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<bool>("disagree"); // misses an outcome by more than 3 points
        // clang-format off
        QTest::newRow("1X2") << "2,10|3,40|3,60" << 0.0 << 1.3161335729088456 << 0.93391666299632818 << false;
        QTest::newRow("1X2, corrected") << "2,10|3,40|3,60" << -0.13 << 1.5765712004958558 << 1.1603856012357682 << false;
        // Over/under that 1X2 alone would price as an ordinary match.
        QTest::newRow("high-scoring") << "2,10|3,40|3,60|1,55|2,45" << 0.0 << 1.775395649342951 << 1.3545344784457857 << true;
        QTest::newRow("favourite, low over") << "1,45|4,50|7,00|2,30|1,62" << 0.0 << 1.7444583046518221 << 0.60097434699125319 << false;
        QTest::newRow("high-scoring, corrected") << "2,10|3,40|3,60|1,55|2,45" << -0.1 << 1.7848344975131485 << 1.3556682811470154 << false;
        // clang-format on
    }
    void fitMatchesReference()
    {
        QFETCH(QString, boxes);
        QFETCH(double, rho);
        QFETCH(double, home);
        QFETCH(double, away);
        const MatchInput read = readMatchInput(match(boxes), finnish, rho);
        QVERIFY(read.ok());
        QVERIFY2(qAbs(read.goals.home - home) < 1e-7 && qAbs(read.goals.away - away) < 1e-7,
                 qPrintable(expectedGoalsText(read.goals, QLocale::c())));
        QTEST(read.oddsDisagree(), "disagree");
        QVERIFY(!read.bookImplausible());
        // The model with the correction gives back the odds' own draw.
        const auto table = MatchScores::make(read.goals, rho);
        QVERIFY(table);
        if (!read.oddsOver)
            QVERIFY(qAbs(table->outcomes().draw - read.oddsOutcomes.draw) < 1e-9);
    }

    // What the windows never pass is refused all the same.
    void fitRefuses_data()
    {
        QTest::addColumn<QList<double>>("outcomes"); // 1, X, 2 and, when given, over
        QTest::addColumn<double>("rho");
        QTest::newRow("a zero") << QList<double>{0.5, 0.5, 0} << 0.0;
        QTest::newRow("sum above 1") << QList<double>{0.5, 0.3, 0.3} << 0.0;
        QTest::newRow("over of 1") << QList<double>{0.5, 0.3, 0.2, 1} << 0.0;
        QTest::newRow("rho no number") << QList<double>{0.5, 0.3, 0.2} << std::nan("");
    }
    void fitRefuses()
    {
        QFETCH(QList<double>, outcomes);
        QFETCH(double, rho);
        const std::optional<double> over =
            outcomes.size() > 3 ? std::optional<double>(outcomes[3]) : std::nullopt;
        QVERIFY(!OddsFit::fit({outcomes[0], outcomes[1], outcomes[2]}, over, rho));
    }

    // Odds taken with a warning: a book no bookmaker makes.
    void bookImplausible_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("implausible");
        QTest::newRow("ordinary margin") << "2,10|3,40|3,60" << false;
        QTest::newRow("away 36 for 3,6") << "2,10|3,40|36" << true;
        QTest::newRow("all 1,01") << "1,01|1,01|1,01" << true;
        QTest::newRow("over/under 1,2 and 1,2") << "2,10|3,40|3,60|1,2|1,2" << true;
        QTest::newRow("goals typed") << "|||||1,2|0,8" << false;
    }
    void bookImplausible()
    {
        QFETCH(QString, boxes);
        const MatchInput read = readMatchInput(match(boxes), finnish);
        QVERIFY(read.ok());
        QTEST(read.bookImplausible(), "implausible");
    }

    // A rho that would make a low score negative is refused with the range the match allows;
    // one that is no number is told after the matches.
    void rhoRange()
    {
        ModelInputTexts letters;
        letters.matches[0] = letters.matches[1] = match("|||||1,5|1");
        letters.rho = "x";
        QCOMPARE(readModelInput(letters, 2, finnish).error,
                 QString("Dixon-Coles-korjaus (rho) ei ole luku."));
        ModelInputTexts texts;
        texts.matches[0] = match("|||||1,5|1");
        texts.matches[1] = match("|||||2|2,5");
        texts.rho = "0,3";
        const ModelInput read = readModelInput(texts, 2, finnish);
        QVERIFY(!read.ok() && read.rhoAtFault);
        QCOMPARE(read.error, QString("Kohde 2: Dixon-Coles-korjaus (rho) tekee jonkin tuloksen "
                                     "todennäköisyydestä negatiivisen. Sallittu rho on tälle "
                                     "kohteelle \u22120,40 ... 0,20."));
    }

    // The first fault, in field order, is told in the window's words.
    void refused_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("message"); // after "Kohde 2: "
        // clang-format off
        QTest::newRow("below 1") << "0,95|3|4" << "kerroin 1 pitää olla suurempi kuin 1.";
        QTest::newRow("exactly 1") << "2|1|4" << "kerroin X pitää olla suurempi kuin 1.";
        QTest::newRow("missing") << "2|3,4| " << "kerroin 2 puuttuu.";
        QTest::newRow("text") << "2|kolme|4" << "kerroin X ei ole luku.";
        QTest::newRow("over without under") << "2|3,4|3,6|1,9" << "alle 2,5 maalin kerroin puuttuu.";
        QTest::newRow("cannot fit") << "1,9|200|1,9" << "kertoimille ei löydy sopivia odotettuja maalimääriä.";
        QTest::newRow("nothing") << "" << "anna kertoimet 1, X ja 2 tai odotetut maalimäärät.";
        QTest::newRow("over no number") << "2|3,4|3,6|x|1,9" << "yli 2,5 maalin kerroin ei ole luku.";
        QTest::newRow("home goals 0") << "|||||0|1" << "kotijoukkueen odotettu maalimäärä on liian pieni.";
        QTest::newRow("home goals below 0,001") << "|||||0,0001|1" << "kotijoukkueen odotettu maalimäärä on liian pieni.";
        QTest::newRow("away goals missing") << "|||||1|" << "vierasjoukkueen odotettu maalimäärä puuttuu.";
        QTest::newRow("too many goals") << "|||||1|25,5" << "vierasjoukkueen odotettu maalimäärä saa olla enintään 25.";
        // clang-format on
    }
    void refused()
    {
        QFETCH(QString, boxes);
        const MatchInput read = readMatchInput(match(boxes), finnish);
        QVERIFY(!read.ok());
        QTEST(matchInputErrorText(2, read).mid(9), "message");
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // empty: refused
        // clang-format off
        QTest::newRow("comma") << "decimal" << "2,15" << "2.15";
        QTest::newRow("minus sign") << "decimal" << QString::fromUtf8("\u22120,12") << "-0.12";
        QTest::newRow("grouped") << "decimal" << "1.000,5" << "";
        QTest::newRow("two separators") << "decimal" << "2,1.5" << "";
        QTest::newRow("goal") << "99" << " 099 " << "99";
        QTest::newRow("one digit over") << "3" << "5" << "";
        QTest::newRow("cents") << "cents" << "0,05" << "5";
        QTest::newRow("point for comma") << "cents" << "1.5" << "150";
        QTest::newRow("tenths of cents") << "cents" << "1,234" << "";
        // clang-format on
    }
    void numbers()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        const auto shown = [](auto value) { return value ? QString::number(*value) : QString(); };
        const auto cents = Money::parseCents(text, finnish);
        if (kind == "decimal")
            QTEST(shown(parseDecimal(text, finnish)), "read");
        else if (kind == "cents")
            QTEST(shown(cents), "read");
        else
            QTEST(shown(parseWholeNumber(text, kind.toLongLong())), "read");
        QVERIFY(kind != "cents" || !cents || *cents % 100 ||
                Money::parseCents(Money::formatCents(*cents, finnish), finnish) == cents);
    }

    // A count typed, or the rows a budget buys at the stake per row.
    void bestRowsCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<qint64>("stake"); // cents
        QTest::addColumn<qint64>("rows");  // -1: refused
        QTest::addColumn<QString>("error");
        const QString tooMany =
            "100000001 riviä on liikaa: kerralla voi hakea enintään 100000000 riviä.";
        // clang-format off
        QTest::newRow("largest count") << "100000000" << " " << 20LL << 100000000LL << "";
        QTest::newRow("count too large") << "100000001" << "" << 20LL << -1LL << tooMany;
        QTest::newRow("both") << "5" << "10" << 20LL << -1LL << "Anna joko rivimäärä tai budjetti, ei molempia.";
        QTest::newRow("budget rounded down") << "" << "10,10" << 30LL << 33LL << "";
        QTest::newRow("budget below the stake") << "" << "0,1" << 20LL << -1LL << "Budjetilla 0,1 € ei saa yhtään riviä, kun panos on 0,2 € riviltä.";
        QTest::newRow("no stake") << "" << "10" << 0LL << -1LL << "Panos on 0 €, joten budjetista ei voi laskea rivimäärää. Valitse ensin panos.";
        QTest::newRow("neither") << "" << "" << 20LL << -1LL << "Anna parhaiden rivien määrä tai budjetti euroina.";
        QTest::newRow("count 0") << "0" << "" << 20LL << -1LL << "Rivimäärän pitää olla vähintään 1.";
        QTest::newRow("budget no sum") << "" << "kymppi" << 20LL << -1LL << "Budjetti ei ole euromäärä (esimerkiksi 25 tai 12,50).";
        QTest::newRow("budget 0") << "" << "0" << 20LL << -1LL << "Budjetin pitää olla suurempi kuin 0 €.";
        QTest::newRow("budget too large") << "" << "20000000,2" << 20LL << -1LL << tooMany;
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

QTEST_GUILESS_MAIN(TestInput)
#include "tst_input.moc"
