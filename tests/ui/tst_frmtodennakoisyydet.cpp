// The probabilities window: odds or expected goals in, the fit and the heat map shown.
#include "settings/modelsettings.h"
#include "ui/frmTodennakoisyydet.h"
#include "windowtest.h"
#include <QGroupBox>
#include <QTableWidget>
#include <optional>

using namespace WindowTest;
using ModelPointer = std::shared_ptr<const ScoreModel>;

namespace {
const char* const BoxNames[] = {"txtKerroin1", "txtKerroinX",   "txtKerroin2",    "txtYli",
                                "txtAlle",     "txtOdotusKoti", "txtOdotusVieras"};
QString MatchInputTexts::*const Fields[] = {&MatchInputTexts::home,     &MatchInputTexts::draw,
                                            &MatchInputTexts::away,     &MatchInputTexts::over,
                                            &MatchInputTexts::under,    &MatchInputTexts::homeGoals,
                                            &MatchInputTexts::awayGoals};

// The odds that a margin would give for known expected goals: "1|X|2" or "1|X|2|over|under".
QString oddsOf(double home, double away, QChar separator, double margin, bool overUnder)
{
    const OutcomeProbabilities p = OddsFit::poissonOutcomes({home, away});
    const double over = OddsFit::poissonOver({home, away});
    QStringList odds;
    for (double q :
         overUnder ? QList{p.home, p.draw, p.away, over, 1 - over} : QList{p.home, p.draw, p.away})
        odds << QString::number(1 / (q * (1 + margin)), 'g', 15);
    return odds.join('|').replace('.', separator);
}

const QString Goals = QStringLiteral("|||||1,3|1"); // a match given by its expected goals

// Each match as "1|X|2|over|under|home goals|away goals".
ModelInputTexts inputsOf(const QStringList& matches, const QString& rho = QString())
{
    ModelInputTexts texts;
    for (int m = 0; m < matches.size(); ++m)
        for (int i = 0; i < 7; ++i)
            texts.matches[size_t(m)].*Fields[i] = matches[m].section('|', i, i);
    texts.rho = rho;
    return texts;
}

// Every box of the three matches and rho in one text, to compare what is typed and stored.
QString joined(const ModelInputTexts& t)
{
    QStringList all;
    for (const MatchInputTexts& m : t.matches)
        for (auto field : Fields)
            all << m.*field;
    return all.join('|') + " / rho " + t.rho;
}

// Types texts into the boxes when given; returns the boxes as joined() writes them.
QString typed(frmTodennakoisyydet& w, const std::optional<ModelInputTexts>& texts = {})
{
    ModelInputTexts shown;
    for (int k = 1; k <= 3; ++k)
        for (int i = 0; i < 7; ++i) {
            auto* box = child<QLineEdit>(w, BoxNames[i] + QStringLiteral("_%1").arg(k));
            if (texts)
                box->setText(texts->matches[size_t(k - 1)].*Fields[i]);
            shown.matches[size_t(k - 1)].*Fields[i] = box->text();
        }
    auto* rho = child<QLineEdit>(w, "txtRho");
    if (texts)
        rho->setText(texts->rho);
    shown.rho = rho->text();
    return joined(shown);
}

QString shownGoals(frmTodennakoisyydet& w)
{
    return labelText(w, "lblOdotus_1") + " / " + labelText(w, "lblOdotus_2") + " / " +
           labelText(w, "lblOdotus_3");
}

int matchesOf(const ModelPointer& model)
{
    return model ? model->matchCount() : 0;
}
} // namespace

class FrmTodennakoisyydetTest : public HeadlessWindowTest
{
    Q_OBJECT

    static std::unique_ptr<frmTodennakoisyydet> open(int columns)
    {
        return std::make_unique<frmTodennakoisyydet>(columns, [] { return 1; });
    }

private slots:

    // "Käytä" shows the fitted goals, stores the inputs and sets the model; a fault is told
    // and nothing else changes.
    void apply_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QString>("rho");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("shown");
        const QString before3 = "1,20 - 1,10 / 1,20 - 1,10 / 1,20 - 1,10";
        const QString before2 = "1,20 - 1,10 / 1,20 - 1,10 / ";
        // clang-format off
        QTest::newRow("odds with a comma") << 3 << QStringList{oddsOf(1.45, 0.98, ',', 0, false), oddsOf(1, 1, ',', 0, false), oddsOf(2.1, 0.6, ',', 0, false)} << "" << "" << "1,45 - 0,98 / 1,00 - 1,00 / 2,10 - 0,60";
        QTest::newRow("odds with a point and a margin") << 3 << QStringList{oddsOf(1.45, 0.98, '.', 0.06, false), "|||||0,5|3", oddsOf(1.3, 1.6, '.', 0.06, true)} << "0" << "" << "1,45 - 0,98 / 0,50 - 3,00 / 1,30 - 1,60";
        QTest::newRow("over/under, third not read") << 2 << QStringList{oddsOf(1.7, 1.2, ',', 0.05, true), oddsOf(0.9, 1.6, '.', 0, true), "x"} << "" << "" << "1,70 - 1,20 / 0,90 - 1,60 / ";
        QTest::newRow("expected goals") << 2 << QStringList{"|||||1,45|0.98", "|||||0,5|3"} << "-0,1" << "" << "1,45 - 0,98 / 0,50 - 3,00 / ";
        QTest::newRow("odds below 1") << 3 << QStringList{"0,95|3|4", Goals, Goals} << "" << "Kohde 1: kerroin 1 pitää olla suurempi kuin 1." << before3;
        QTest::newRow("rho too large") << 2 << QStringList{Goals, "|||||3|3"} << "0,2" << "Kohde 2: Dixon-Coles-korjaus (rho) tekee jonkin tuloksen todennäköisyydestä negatiivisen. Sallittu rho on tälle kohteelle \u22120,33 ... 0,11." << before2;
        // clang-format on
    }
    void apply()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, matches);
        QFETCH(QString, rho);
        QFETCH(QString, told);
        const ModelInputTexts before = inputsOf({"|||||1,2|1,1", "|||||1,2|1,1", "|||||1,2|1,1"});
        ModelSettings::store(before);
        auto w = open(columns);
        const ModelPointer model = w->model();
        QCOMPARE(matchesOf(model), columns);
        QSignalSpy set(w.get(), &frmTodennakoisyydet::modelChanged);
        typed(*w, inputsOf(matches, rho));
        child<QPushButton>(*w, "cmdKayta")->click();

        QCOMPARE(MessageBox::shownTexts().join(" / "), told);
        QTEST(shownGoals(*w), "shown");
        const bool used = told.isEmpty();
        QCOMPARE(set.count(), int(used));
        QCOMPARE(w->model() != model, used);
        QCOMPARE(joined(ModelSettings::load()), joined(used ? inputsOf(matches, rho) : before));
        if (used) {
            QCOMPARE(set[0][0].value<ModelPointer>(), w->model());
            QCOMPARE(matchesOf(w->model()), columns);
        } else {
            QCOMPARE(typed(*w), joined(inputsOf(matches, rho))); // the player's text is kept
        }
    }

    // Each cell is the score's chance in per cent, home goals down; the likeliest in bold. Odds
    // that are taken but doubtful, and a likeliest score beyond the map, are told beside the
    // match; the model is set all the same.
    void heatMapAndWarnings_data()
    {
        QTest::addColumn<QString>("match");
        QTest::addColumn<QString>("rho");
        QTest::addColumn<QString>("likeliest");
        QTest::addColumn<QString>("sample"); // cell | tooltip, which names the score
        QTest::addColumn<QString>("warning");
        const QString usual = " (tavallisesti 100–130 %): onko jokin kerroin kirjoitettu väärin?";
        // clang-format off
        QTest::newRow("home favourite") << "|||||1,45|0,98" << "" << "1-0" << "12,8 | 1-0: 12,77 % (1 : 8)" << "";
        QTest::newRow("likeliest beyond the map") << "|||||11,5|0,5" << "" << "9-0" << "6,0 | 9-0: 5,96 % (1 : 17)" << "Todennäköisin tulos 11-0 (7,16 %) on taulukon ulkopuolella.";
        // Plain 1 - 1 ties the four low scores; the correction lifts 0-1 and 1-0.
        QTest::newRow("corrected") << "|||||1|1" << "0,1" << "0-1" << "12,2 | 0-0: 12,18 % (1 : 8)" << "";
        QTest::newRow("ordinary odds") << "2,10|3,40|3,60" << "" << "1-0" << "" << "";
        QTest::newRow("away 36 for 3,6") << "2,10|3,40|36" << "" << "0-0" << "" << "Kertoimien 1, X ja 2 käänteislukujen summa on 79,8 %" + usual;
        QTest::newRow("all 1,01") << "1,01|1,01|1,01" << "" << "0-0" << "" << "Kertoimien 1, X ja 2 käänteislukujen summa on 297,0 %" + usual;
        QTest::newRow("over/under 1,2 and 1,2") << "2,10|3,40|3,60|1,2|1,2" << "" << "1-1" << "" << "Yli/alle 2,5 -kertoimien käänteislukujen summa on 166,7 %" + usual;
        QTest::newRow("1X2 against over/under") << "2,10|3,40|3,60|1,55|2,45" << "" << "1-1" << "" << "Kertoimet 1X2 ja yli/alle 2,5 eivät sovi yhteen: malli poikkeaa kertoimista enimmillään 4,9 prosenttiyksikköä.";
        // clang-format on
    }
    void heatMapAndWarnings()
    {
        QFETCH(QString, match);
        QFETCH(QString, rho);
        QFETCH(QString, sample);
        auto w = open(2);
        typed(*w, inputsOf({Goals, match}, rho));
        child<QPushButton>(*w, "cmdKayta")->click();
        QVERIFY(w->model());
        QTEST(labelText(*w, "lblVaroitus_2"), "warning");
        QCOMPARE(labelText(*w, "lblVaroitus_1"), QString());
        const MatchScores& scores = w->model()->match(1);
        QTableWidget* map = child<QTableWidget>(*w, "tblTulokset_2");
        QCOMPARE(map->rowCount() * map->columnCount(), 100);
        QStringList bold;
        for (int home = 0; home < 10; ++home)
            for (int away = 0; away < 10; ++away) {
                const QTableWidgetItem* cell = map->item(home, away);
                QCOMPARE(cell->text(), QLocale().toString(scores.at(home, away) * 100, 'f', 1));
                if (cell->font().bold())
                    bold << QStringLiteral("%1-%2").arg(home).arg(away);
            }
        QTEST(bold.join(", "), "likeliest");
        if (sample.isEmpty())
            return;
        const QString score = sample.section(" | ", 1); // "1-0: ..."
        const QTableWidgetItem* cell = map->item(score[0].digitValue(), score[2].digitValue());
        QCOMPARE(cell->text() + " | " + cell->toolTip(), sample); // the tooltip names the score
    }

    // The stored inputs make a new window's model unshown; a change of the count remakes it;
    // "Tyhjennä" (0) empties the boxes, the labels, the map and the store, and drops the model.
    void columnCount_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<int>("changed");
        QTest::addColumn<bool>("thirdShown");
        QTest::addColumn<int>("signals");
        QTest::addColumn<int>("modelMatches");
        // clang-format off
        QTest::newRow("three to two") << 3 << QStringList{Goals, Goals, Goals} << 2 << false << 1 << 2;
        QTest::newRow("two to three, third empty") << 2 << QStringList{Goals, Goals} << 3 << true << 1 << 0;
        QTest::newRow("two to three, third given") << 2 << QStringList{Goals, Goals, Goals} << 3 << true << 1 << 3;
        QTest::newRow("cleared") << 3 << QStringList{oddsOf(1.2, 1, ',', 0, true), Goals, Goals} << 0 << true << 1 << 0;
        // clang-format on
    }
    void columnCount()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, matches);
        QFETCH(int, changed);
        ModelSettings::store(inputsOf(matches, "0,05"));
        auto w = open(columns);
        QCOMPARE(typed(*w), joined(inputsOf(matches, "0,05")));
        QSignalSpy set(w.get(), &frmTodennakoisyydet::modelChanged);
        changed ? w->setColumnCount(changed) : child<QPushButton>(*w, "cmdTyhjenna")->click();
        QTEST(!child<QGroupBox>(*w, "fraKohde_3")->isHidden(), "thirdShown");
        QTEST(int(set.count()), "signals");
        QTEST(matchesOf(w->model()), "modelMatches");
        if (!set.isEmpty())
            QCOMPARE(set[0][0].value<ModelPointer>(), w->model());
        QCOMPARE(labelText(*w, "lblOdotus_3").isEmpty(), matchesOf(w->model()) < 3);
        QCOMPARE(labelText(*w, "lblOdotus_1"), w->model() ? "1,30 - 1,00" : "");
        QCOMPARE(w->model() ? w->model()->match(0).rho() : 0.05, 0.05);
        if (changed > 0)
            return;
        QCOMPARE(typed(*w) + joined(ModelSettings::load()), joined({}) + joined({}));
        QCOMPARE(labelText(*w, "lblMalli_1") + labelText(*w, "lblKertoimet_1"), QString());
        for (const QTableWidgetItem* item :
             child<QTableWidget>(*w, "tblTulokset_1")->findItems("", Qt::MatchContains))
            QVERIFY(item->text().isEmpty() && item->toolTip().isEmpty() && !item->font().bold());
    }
};

QTEST_MAIN(FrmTodennakoisyydetTest)
#include "tst_frmtodennakoisyydet.moc"
