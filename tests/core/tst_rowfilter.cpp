// The filter against a brute-force reading of the same boxes, over random lists, with its undo.
#include "core/rowfilter.h"
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include <QTest>
#include <cmath>
#include <random>
#include <set>

namespace {
// A value that any reader can work out: the row's goals in all, a quarter each.
class GoalsValue : public RowValue
{
public:
    double value(ScoreRow row) const override
    {
        int goals = 0;
        for (int team = 0; team < 2 * row.matchCount(); ++team)
            goals += row.goal(team);
        return goals / 4.0;
    }
};

// "txtMaalitMin_1=2|chkMerkkiX_2=0|optPoista": the boxes typed, the rest as a new window has them.
RowFilterTexts textsOf(const QString& boxes)
{
    using T = RowFilterTexts;
    using M = RowFilterTexts::Match;
    static const QHash<QString, QString T::*> rowBoxes{
        {"txtRiviMaalitMin", &T::rowGoalsMin},   {"txtRiviMaalitMax", &T::rowGoalsMax},
        {"txtKotivoitotMin", &T::homeWinsMin},   {"txtKotivoitotMax", &T::homeWinsMax},
        {"txtTasapelitMin", &T::drawsMin},       {"txtTasapelitMax", &T::drawsMax},
        {"txtVierasvoitotMin", &T::awayWinsMin}, {"txtVierasvoitotMax", &T::awayWinsMax},
        {"txtKarsTodMin", &T::chanceMin},        {"txtKarsArvoMin", &T::valueMin}};
    static const QHash<QString, QString M::*> matchBoxes{{"txtMaalitMin", &M::goalsMin},
                                                         {"txtMaalitMax", &M::goalsMax},
                                                         {"txtEroMin", &M::differenceMin},
                                                         {"txtEroMax", &M::differenceMax}};
    RowFilterTexts texts;
    for (const QString& pair : boxes.split('|', Qt::SkipEmptyParts)) {
        const QString box = pair.section('=', 0, 0), value = pair.section('=', 1);
        const QString name = box.section('_', 0, 0);
        M& match = texts.matches[size_t(qMax(0, box.section('_', 1).toInt() - 1))];
        if (box == "optPoista")
            texts.keep = false;
        else if (rowBoxes.contains(box))
            texts.*rowBoxes[box] = value;
        else if (matchBoxes.contains(name))
            match.*matchBoxes[name] = value;
        else if (name.startsWith("chkMerkki"))
            match.outcomes[size_t(QString("1X2").indexOf(name.back()))] = value != "0";
        else
            qFatal("no box %s", qPrintable(box));
    }
    return texts;
}

// The boxes read the slow, obvious way: every condition checked one after another.
bool takenByHand(ScoreRow row, const RowFilterTexts& t, const ScoreModel& chances,
                 const RowValue& value)
{
    auto within = [](int n, const QString& min, const QString& max) {
        const QString plainMin = QString(min).replace(QChar(0x2212), '-');
        const QString plainMax = QString(max).replace(QChar(0x2212), '-');
        return (min.isEmpty() || n >= plainMin.toInt()) && (max.isEmpty() || n <= plainMax.toInt());
    };
    int goals = 0, wins[3] = {0, 0, 0};
    for (int m = 0; m < row.matchCount(); ++m) {
        const int home = row.goal(2 * m), away = row.goal(2 * m + 1);
        const int outcome = home > away ? 0 : home == away ? 1 : 2;
        const RowFilterTexts::Match& match = t.matches[size_t(m)];
        if (!match.outcomes[size_t(outcome)] ||
            !within(home + away, match.goalsMin, match.goalsMax) ||
            !within(home - away, match.differenceMin, match.differenceMax))
            return false;
        goals += home + away;
        ++wins[outcome];
    }
    if (!t.chanceMin.isEmpty() &&
        chances.probability(row) < QString(t.chanceMin).replace(',', '.').toDouble() / 100)
        return false;
    if (!t.valueMin.isEmpty() &&
        value.value(row) < QString(t.valueMin).replace(',', '.').toDouble())
        return false;
    return within(goals, t.rowGoalsMin, t.rowGoalsMax) &&
           within(wins[0], t.homeWinsMin, t.homeWinsMax) &&
           within(wins[1], t.drawsMin, t.drawsMax) && within(wins[2], t.awayWinsMin, t.awayWinsMax);
}

// Random rows of the matches, most with few goals, some up to 99, some listed twice; a third
// of them ticked.
void fillRandom(RowListModel& list, int matches, quint32 seed)
{
    std::mt19937 random(seed);
    std::vector<ScoreRow> rows;
    for (int n = 0; n < 3000; ++n) {
        if (n % 17 == 16) {
            rows.push_back(rows[random() % rows.size()]);
            continue;
        }
        std::array<int, ScoreRow::MaxTeams> goals{};
        for (int team = 0; team < 2 * matches; ++team)
            goals[size_t(team)] = random() % 23 == 0 ? int(random() % 100) : int(random() % 7);
        rows.push_back(ScoreRow(matches, goals));
    }
    list.appendAll(rows);
    for (int i = 0; i < list.count(); ++i)
        list.setChecked(i, random() % 3 == 0);
}

QString shownAt(const RowListModel& list, int i)
{
    return list.at(i).text() + (list.isChecked(i) ? "*" : "");
}

// Each row, "*" when ticked; a count of ticks that is not the ticks' own is told too.
QStringList shown(const RowListModel& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << shownAt(list, i);
    if (list.checkedCount() != texts.join(' ').count('*'))
        texts << "the tick count differs";
    return texts;
}
} // namespace

class TestRowFilter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); }

    // Each table row runs over a random list of its matches, keeping the rows taken and then
    // removing them.
    void againstBruteForce_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<QString>("boxes");
        // clang-format off
        const QList<std::pair<const char*, QString>> conditions{
            {"none", ""},
            {"outcome: home wins only", "chkMerkkiX_1=0|chkMerkki2_1=0"},
            {"match goals 2 to 5", "txtMaalitMin_1=2|txtMaalitMax_1=5"},
            {"match goals up to 99", "txtMaalitMin_1=99|txtMaalitMax_1=99"},
            {"difference -1 to 1", "txtEroMin_1=-1|txtEroMax_1=1"},
            {"difference in Finnish minus", "txtEroMin_2=\u22122|txtEroMax_2=\u22121"},
            {"row goals 2 to 6", "txtRiviMaalitMin=2|txtRiviMaalitMax=6"},
            {"row goals 99 and up", "txtRiviMaalitMin=99"},
            {"at most one away win", "txtVierasvoitotMax=1"},
            {"exactly one draw", "txtTasapelitMin=1|txtTasapelitMax=1"},
            {"home wins 2 or more", "txtKotivoitotMin=2"},
            {"chance at least 0,5 %", "txtKarsTodMin=0,5"},
            {"value at least 1,5", "txtKarsArvoMin=1,5"},
            {"several together", "chkMerkki2_1=0|txtMaalitMax_2=4|txtEroMin_2=-2|txtTasapelitMax=1|txtKarsArvoMin=0,75|txtKarsTodMin=0,001"},
            {"match 3 conditions", "chkMerkki1_3=0|txtMaalitMin_3=1|txtEroMax_3=0"},
        };
        // clang-format on
        for (int matches : {2, 3})
            for (const auto& [name, boxes] : conditions)
                QTest::addRow("%d matches, %s", matches, name) << matches << boxes;
    }
    void againstBruteForce()
    {
        QFETCH(int, matches);
        QFETCH(QString, boxes);
        const std::vector<ExpectedGoals> goals{{1.5, 1.0}, {2.0, 0.5}, {1.0, 1.2}};
        const ScoreModel chances = *ScoreModel::make({goals.begin(), goals.begin() + matches}, 0);
        const GoalsValue value;
        for (const bool keep : {true, false}) {
            RowFilterTexts texts = textsOf(boxes);
            texts.keep = keep;
            const RowFilterInput input = readRowFilter(texts, matches, true, true);
            QVERIFY2(input.conditions,
                     qPrintable(input.faults.empty() ? QString() : input.faults[0].message));
            RowListModel list;
            fillRandom(list, matches, quint32(qHash(boxes) + matches));
            const RowFilter filter(*input.conditions, &chances, &value);

            // What remains, by hand: the rows, each different row's chance once, the mean value.
            QStringList before = shown(list);
            std::vector<int> kept;
            std::set<quint64> counted;
            double chance = 0, values = 0;
            for (int i = 0; i < list.count(); ++i) {
                const ScoreRow row = list.at(i);
                QCOMPARE(filter.takes(row), takenByHand(row, texts, chances, value));
                if (takenByHand(row, texts, chances, value) != keep)
                    continue;
                kept.push_back(i);
                if (counted.insert(row.key()).second)
                    chance += chances.probability(row);
                values += value.value(row);
            }
            const std::vector<bool> firstCopies =
                RowFilterCopies::firstCopies(list.rows(), size_t(list.count()));
            const ScoreRow* rows = list.rows().data();
            const RowFilter::Remaining left =
                filter.remaining(rows, size_t(list.count()), &firstCopies);
            QCOMPARE(left.rows, qint64(kept.size()));
            QVERIFY(std::abs(left.chance - chance) < 1e-12);
            // The copies found among the rows remaining alone: the same chance.
            QVERIFY(std::abs(filter.remaining(rows, size_t(list.count())).chance - chance) < 1e-12);
            // More than that many remaining: the chance uncounted, the rest as before.
            const RowFilter::Remaining unchecked =
                filter.remaining(rows, size_t(list.count()), nullptr, 10);
            QCOMPARE(unchecked.chanceCounted, kept.size() <= 10);
            QCOMPARE(unchecked.meanValue, left.meanValue);
            QCOMPARE(left.meanValue.has_value(), !kept.empty());
            if (left.meanValue)
                QVERIFY(std::abs(*left.meanValue - values / double(kept.size())) < 1e-9);

            // Applied, undone and done again, with ticks changed after the cut and after the
            // undo: every tick stays with its row.
            auto keptShown = [&] {
                QStringList texts;
                for (int i : kept)
                    texts << before[i];
                return texts;
            };
            auto toggle = [&](int i, QString& shownRow) {
                list.setChecked(i, !list.isChecked(i));
                shownRow = shownAt(list, i);
            };
            RowListChange change;
            list.recordInto(&change);
            // Stopped on the way, it leaves the list as it was and records nothing.
            QCOMPARE(filter.apply(list, [](qint64, qint64) { return false; }), std::nullopt);
            QVERIFY(change.isEmpty() && shown(list) == before);
            QCOMPARE(filter.apply(list), std::optional<int>(int(before.size() - kept.size())));
            list.recordInto(nullptr);
            QCOMPARE(change.isEmpty(), int(kept.size()) == before.size());
            QCOMPARE(shown(list), keptShown());
            if (!kept.empty())
                toggle(0, before[kept[0]]);
            change.undo(list);
            QCOMPARE(shown(list), before);
            toggle(0, before[0]);
            toggle(list.count() - 1, before.back());
            change.redo(list);
            QCOMPARE(shown(list), keptShown());
        }
    }

    // A bad box is told by its name, min above max by both; the rest reads as nothing.
    void refusals_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("models");    // chances and a value are set
        QTest::addColumn<QString>("faults"); // the boxes, then the first fault's message
        // clang-format off
        QTest::newRow("a letter") << "txtMaalitMin_1=a" << true << "txtMaalitMin_1: 1. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("past 99") << "txtMaalitMax_2=100" << true << "txtMaalitMax_2: 2. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("negative goals") << "txtKotivoitotMin=-1" << true << "txtKotivoitotMin: Kotivoitot: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("difference past -99") << "txtEroMin_1=-100" << true << "txtEroMin_1: 1. kohteen maaliero: anna kokonaisluku väliltä −99…99.";
        QTest::newRow("min above max") << "txtTasapelitMin=2|txtTasapelitMax=1" << true << "txtTasapelitMin,txtTasapelitMax: Tasapelit: vähintään-luku on suurempi kuin enintään-luku.";
        QTest::newRow("difference min above max") << "txtEroMin_2=1|txtEroMax_2=-1" << true << "txtEroMin_2,txtEroMax_2: 2. kohteen maaliero: vähintään-luku on suurempi kuin enintään-luku.";
        QTest::newRow("no outcome ticked") << "chkMerkki1_2=0|chkMerkkiX_2=0|chkMerkki2_2=0" << true << "chkMerkki1_2,chkMerkkiX_2,chkMerkki2_2: 2. kohde: valitse merkeistä 1, X ja 2 ainakin yksi.";
        QTest::newRow("chance past 100 %") << "txtKarsTodMin=101" << true << "txtKarsTodMin: Todennäköisyys: anna prosentit väliltä 0…100, esimerkiksi 0,001.";
        QTest::newRow("chance a word") << "txtKarsTodMin=paljon" << true << "txtKarsTodMin: Todennäköisyys: anna prosentit väliltä 0…100, esimerkiksi 0,001.";
        QTest::newRow("value below 0") << "txtKarsArvoMin=-1" << true << "txtKarsArvoMin: Arvo: anna luku 0 tai enemmän, esimerkiksi 1,2.";
        QTest::newRow("two faults") << "txtMaalitMin_1=x|txtVierasvoitotMax=y" << true << "txtMaalitMin_1,txtVierasvoitotMax: 1. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("chance and value unread without models") << "txtKarsTodMin=x|txtKarsArvoMin=y" << false << "";
        QTest::newRow("blanks around a number") << "txtMaalitMin_1= 2 " << true << "";
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QString, boxes);
        QFETCH(bool, models);
        const RowFilterInput input = readRowFilter(textsOf(boxes), 3, models, models);
        QStringList faults;
        for (const RowFilterFault& fault : input.faults)
            faults << fault.box;
        QTEST(faults.join(',') + (faults.isEmpty() ? "" : ": " + input.faults[0].message),
              "faults");
        QCOMPARE(input.conditions.has_value(), faults.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRowFilter)
#include "tst_rowfilter.moc"
