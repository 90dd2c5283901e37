// The filter against a brute-force reading of the same boxes, over random lists, with its undo.
#include "core/rowfilter.h"
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include <QTest>
#include <cmath>
#include <map>
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

ScoreModel chancesOf(int matches)
{
    const std::vector<ExpectedGoals> all{{1.5, 1.0}, {2.0, 0.5}, {1.0, 1.2}};
    return *ScoreModel::make({all.begin(), all.begin() + matches}, 0);
}

// "txtMaalitMin_1=2|chkMerkkiX_2=0|optPoista": the boxes typed, the rest as a new window has them.
RowFilterTexts textsOf(const QString& boxes)
{
    RowFilterTexts texts;
    for (const QString& pair : boxes.split('|', Qt::SkipEmptyParts)) {
        const QString box = pair.section('=', 0, 0);
        const QString value = pair.section('=', 1);
        const int k = box.section('_', 1).toInt() - 1;
        RowFilterTexts::Match* match = k >= 0 ? &texts.matches[size_t(k)] : nullptr;
        const QHash<QString, QString*> boxTexts{
            {"txtRiviMaalitMin", &texts.rowGoalsMin},   {"txtRiviMaalitMax", &texts.rowGoalsMax},
            {"txtKotivoitotMin", &texts.homeWinsMin},   {"txtKotivoitotMax", &texts.homeWinsMax},
            {"txtTasapelitMin", &texts.drawsMin},       {"txtTasapelitMax", &texts.drawsMax},
            {"txtVierasvoitotMin", &texts.awayWinsMin}, {"txtVierasvoitotMax", &texts.awayWinsMax},
            {"txtKarsTodMin", &texts.chanceMin},        {"txtKarsArvoMin", &texts.valueMin}};
        const QString name = box.section('_', 0, 0);
        if (box == "optPoista")
            texts.keep = false;
        else if (boxTexts.contains(box))
            *boxTexts[box] = value;
        else if (match && name.startsWith("chkMerkki"))
            match->outcomes[size_t(QString("1X2").indexOf(name.back()))] = value != "0";
        else if (match && name == "txtMaalitMin")
            match->goalsMin = value;
        else if (match && name == "txtMaalitMax")
            match->goalsMax = value;
        else if (match && name == "txtEroMin")
            match->differenceMin = value;
        else if (match && name == "txtEroMax")
            match->differenceMax = value;
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

QString shown(const RowListModel& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.at(i).text() + (list.isChecked(i) ? "*" : "");
    return texts.join(", ");
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
            {"outcome: not a draw in match 2", "chkMerkkiX_2=0"},
            {"outcome: all ticked", "chkMerkki1_1=1|chkMerkkiX_1=1|chkMerkki2_1=1"},
            {"match goals 2 to 5", "txtMaalitMin_1=2|txtMaalitMax_1=5"},
            {"match goals min only", "txtMaalitMin_2=3"},
            {"match goals max equal to min", "txtMaalitMin_2=2|txtMaalitMax_2=2"},
            {"match goals 0 to 0", "txtMaalitMin_1=0|txtMaalitMax_1=0"},
            {"match goals up to 99", "txtMaalitMin_1=99|txtMaalitMax_1=99"},
            {"difference -1 to 1", "txtEroMin_1=-1|txtEroMax_1=1"},
            {"difference in Finnish minus", "txtEroMin_2=\u22122|txtEroMax_2=\u22121"},
            {"difference at least 2", "txtEroMin_2=2"},
            {"difference -99 to 99", "txtEroMin_1=-99|txtEroMax_1=99"},
            {"difference 0 exactly", "txtEroMin_1=0|txtEroMax_1=0"},
            {"row goals 2 to 6", "txtRiviMaalitMin=2|txtRiviMaalitMax=6"},
            {"row goals 99 and up", "txtRiviMaalitMin=99"},
            {"row goals 0", "txtRiviMaalitMax=0"},
            {"at most one away win", "txtVierasvoitotMax=1"},
            {"exactly one draw", "txtTasapelitMin=1|txtTasapelitMax=1"},
            {"home wins 2 or more", "txtKotivoitotMin=2"},
            {"chance at least 0,5 %", "txtKarsTodMin=0,5"},
            {"chance at least 0", "txtKarsTodMin=0"},
            {"value at least 1,5", "txtKarsArvoMin=1,5"},
            {"value at least 99", "txtKarsArvoMin=99"},
            {"the player's cut", "txtVierasvoitotMax=1|txtRiviMaalitMin=2|txtRiviMaalitMax=6|txtKarsTodMin=0,001"},
            {"several together", "chkMerkki2_1=0|txtMaalitMax_2=4|txtEroMin_2=-2|txtTasapelitMax=1|txtKarsArvoMin=0,75"},
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
        const ScoreModel chances = chancesOf(matches);
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
            const QString before = shown(list);
            QStringList kept;
            std::set<quint64> counted;
            double chance = 0, values = 0;
            for (int i = 0; i < list.count(); ++i) {
                const ScoreRow row = list.at(i);
                QCOMPARE(filter.takes(row), takenByHand(row, texts, chances, value));
                if (takenByHand(row, texts, chances, value) != keep)
                    continue;
                kept << row.text() + (list.isChecked(i) ? "*" : "");
                if (counted.insert(row.key()).second)
                    chance += chances.probability(row);
                values += value.value(row);
            }
            const std::vector<bool> firstCopies =
                RowFilterCopies::firstCopies(list.rows(), size_t(list.count()));
            const RowFilter::Remaining left =
                filter.remaining(list.rows().data(), size_t(list.count()), &firstCopies);
            QCOMPARE(left.rows, qint64(kept.size()));
            QVERIFY(std::abs(left.chance - chance) < 1e-12);
            // The copies found among the rows remaining alone: the same chance.
            QVERIFY(std::abs(filter.remaining(list.rows().data(), size_t(list.count())).chance -
                             chance) < 1e-12);
            // More than that many remaining: the chance uncounted, the rest as before.
            const RowFilter::Remaining unchecked =
                filter.remaining(list.rows().data(), size_t(list.count()), nullptr, 10);
            QCOMPARE(unchecked.chanceCounted, kept.size() <= 10);
            QCOMPARE(unchecked.rows, left.rows);
            QCOMPARE(unchecked.meanValue, left.meanValue);
            QCOMPARE(left.meanValue.has_value(), !kept.isEmpty());
            if (left.meanValue)
                QVERIFY(std::abs(*left.meanValue - values / kept.size()) < 1e-9);

            // Applied, undone and done again: the ticks stay with their rows.
            RowListChange change;
            list.recordInto(&change);
            QCOMPARE(filter.apply(list),
                     std::optional<int>(int(before.count(", ") + 1 - kept.size())));
            list.recordInto(nullptr);
            QCOMPARE(shown(list), kept.join(", "));
            QCOMPARE(change.isEmpty(), kept.size() == before.count(", ") + 1);
            change.undo(list);
            QCOMPARE(shown(list), before);
            change.redo(list);
            QCOMPARE(shown(list), kept.join(", "));
        }
    }

    // A bad box is told by its name, min above max by both; the rest reads as nothing.
    void refusals_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("matches");
        QTest::addColumn<bool>("models"); // chances and a value are set
        QTest::addColumn<QString>("faults");
        QTest::addColumn<QString>("message"); // the first fault's
        // clang-format off
        QTest::newRow("a letter") << "txtMaalitMin_1=a" << 3 << true << "txtMaalitMin_1" << "1. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("a decimal") << "txtRiviMaalitMax=2,5" << 3 << true << "txtRiviMaalitMax" << "Rivin maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("past 99") << "txtMaalitMax_2=100" << 3 << true << "txtMaalitMax_2" << "2. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("negative goals") << "txtKotivoitotMin=-1" << 3 << true << "txtKotivoitotMin" << "Kotivoitot: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("difference past -99") << "txtEroMin_1=-100" << 3 << true << "txtEroMin_1" << "1. kohteen maaliero: anna kokonaisluku väliltä −99…99.";
        QTest::newRow("min above max") << "txtTasapelitMin=2|txtTasapelitMax=1" << 3 << true << "txtTasapelitMin,txtTasapelitMax" << "Tasapelit: vähintään-luku on suurempi kuin enintään-luku.";
        QTest::newRow("difference min above max") << "txtEroMin_2=1|txtEroMax_2=-1" << 3 << true << "txtEroMin_2,txtEroMax_2" << "2. kohteen maaliero: vähintään-luku on suurempi kuin enintään-luku.";
        QTest::newRow("no outcome ticked") << "chkMerkki1_2=0|chkMerkkiX_2=0|chkMerkki2_2=0" << 3 << true << "chkMerkki1_2,chkMerkkiX_2,chkMerkki2_2" << "2. kohde: valitse merkeistä 1, X ja 2 ainakin yksi.";
        QTest::newRow("chance past 100 %") << "txtKarsTodMin=101" << 3 << true << "txtKarsTodMin" << "Todennäköisyys: anna prosentit väliltä 0…100, esimerkiksi 0,001.";
        QTest::newRow("chance a word") << "txtKarsTodMin=paljon" << 3 << true << "txtKarsTodMin" << "Todennäköisyys: anna prosentit väliltä 0…100, esimerkiksi 0,001.";
        QTest::newRow("value below 0") << "txtKarsArvoMin=-1" << 3 << true << "txtKarsArvoMin" << "Arvo: anna luku 0 tai enemmän, esimerkiksi 1,2.";
        QTest::newRow("two faults") << "txtMaalitMin_1=x|txtVierasvoitotMax=y" << 3 << true << "txtMaalitMin_1,txtVierasvoitotMax" << "1. kohteen maalit: anna kokonaisluku väliltä 0…99.";
        QTest::newRow("chance and value unread without models") << "txtKarsTodMin=x|txtKarsArvoMin=y" << 3 << false << "" << "";
        QTest::newRow("match 3 unread in two-match mode") << "txtMaalitMin_3=x" << 2 << true << "" << "";
        QTest::newRow("blanks around a number") << "txtMaalitMin_1= 2 " << 3 << true << "" << "";
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QString, boxes);
        QFETCH(int, matches);
        QFETCH(bool, models);
        const RowFilterInput input = readRowFilter(textsOf(boxes), matches, models, models);
        QStringList faults;
        for (const RowFilterFault& fault : input.faults)
            faults << fault.box;
        QTEST(faults.join(','), "faults");
        QCOMPARE(input.conditions.has_value(), faults.isEmpty());
        QTEST(input.faults.empty() ? QString() : input.faults[0].message, "message");
    }

    // Ticks changed between the cut, its undo and its redo stay with their rows, whether the
    // cut removed a few rows or kept a few.
    void ticksFollowRows_data()
    {
        QTest::addColumn<QString>("rowGoalsMax");
        QTest::newRow("a few removed") << "20";
        QTest::newRow("a few kept") << "3";
    }
    void ticksFollowRows()
    {
        QFETCH(QString, rowGoalsMax);
        RowListModel list;
        std::vector<ScoreRow> rows;
        for (int n = 0; n < 1000; ++n)
            rows.push_back(ScoreRow(3, {n % 10, n / 10 % 10, n / 100, 0, 0, 0}));
        list.appendAll(rows);
        std::map<quint64, bool> ticks;
        for (int i = 0; i < list.count(); ++i) {
            list.setChecked(i, i % 3 == 0);
            ticks[list.at(i).key()] = i % 3 == 0;
        }
        auto toggle = [&](std::initializer_list<int> positions) {
            for (int i : positions) {
                list.setChecked(i, !list.isChecked(i));
                ticks[list.at(i).key()] = list.isChecked(i);
            }
        };
        // Rows whose tick is not theirs, and a count of ticks that is not the ticks' own.
        auto wrongTicks = [&] {
            int wrong = 0, ticked = 0;
            for (int i = 0; i < list.count(); ++i) {
                wrong += list.isChecked(i) != ticks[list.at(i).key()];
                ticked += list.isChecked(i);
            }
            return wrong + (list.checkedCount() != ticked ? 10000 : 0);
        };
        RowFilterTexts texts;
        texts.rowGoalsMax = rowGoalsMax;
        const RowFilter filter(*readRowFilter(texts, 3, false, false).conditions);
        RowListChange change;
        list.recordInto(&change);
        QVERIFY(filter.apply(list).value_or(0) > 0);
        const std::vector<ScoreRow> kept = list.rows();
        toggle({0, 1, list.count() - 1});
        change.undo(list);
        QCOMPARE(list.rows(), rows);
        QCOMPARE(wrongTicks(), 0);
        toggle({0, 5, 6, 500, 999});
        change.redo(list);
        QCOMPARE(list.rows(), kept);
        QCOMPARE(wrongTicks(), 0);
        toggle({2});
        change.undo(list);
        QCOMPARE(list.rows(), rows);
        QCOMPARE(wrongTicks(), 0);
    }

    // Stopped on the way, the filter leaves the list as it was and records nothing.
    void stopped()
    {
        RowListModel list;
        fillRandom(list, 3, 11);
        RowFilterTexts texts;
        texts.rowGoalsMax = "3";
        const RowFilter filter(*readRowFilter(texts, 3, false, false).conditions);
        RowListChange change;
        list.recordInto(&change);
        const QString before = shown(list);
        int reports = 0;
        QCOMPARE(filter.apply(list, [&](qint64, qint64) { return ++reports < 1; }), std::nullopt);
        QCOMPARE(shown(list), before);
        QVERIFY(change.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRowFilter)
#include "tst_rowfilter.moc"
