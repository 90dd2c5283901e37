// The filter over the largest listed system, 2,985,984 rows: the count of what would remain as
// the player types (with the chance and value of the rest), cutting the list and taking the cut
// back, each beside a plain loop doing the same job.
#include "baseline.h"
#include "benchmodel.h"
#include "benchrows.h"
#include "core/rowfilter.h"
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include <QElapsedTimer>
#include <array>
#include <memory>

namespace {
// A value from a table per match, as a stake distribution would give it: a virtual call a row.
class TableValue : public RowValue
{
public:
    double value(ScoreRow row) const override
    {
        double v = 1;
        for (int m = 0; m < row.matchCount(); ++m)
            v *= 0.9 + 0.01 * ((row.goal(2 * m) * 7 + row.goal(2 * m + 1) * 3) % 23);
        return v;
    }
};

// "At most one away win, 2 to 6 goals in all and at least 0,001 % chance".
RowFilterConditions playersCut(bool keep)
{
    RowFilterTexts texts;
    texts.awayWinsMax = QStringLiteral("1");
    texts.rowGoalsMin = QStringLiteral("2");
    texts.rowGoalsMax = QStringLiteral("6");
    texts.chanceMin = QStringLiteral("0,001");
    texts.keep = keep;
    return *readRowFilter(texts, 3, true, true, QLocale(QLocale::Finnish)).conditions;
}

// The same cut written out plainly over the keys, the chance from a plain copy of the tables.
struct PlainCut
{
    std::vector<double> cells;
    bool operator()(std::uint64_t key) const
    {
        double p = 0;
        return keeps(key, p);
    }
    bool keeps(std::uint64_t key, double& p) const
    {
        int goals = 0, awayWins = 0;
        p = 1;
        for (int m = 0; m < 3; ++m) {
            const int home = int((key >> (16 * m)) & 0xff);
            const int away = int((key >> (16 * m + 8)) & 0xff);
            goals += home + away;
            awayWins += away > home;
            p *= cells[size_t(m * 10000 + home * 100 + away)];
        }
        return awayWins <= 1 && goals >= 2 && goals <= 6 && p >= 0.001 / 100;
    }
};
} // namespace

int main()
{
    Baseline::keepMemory();
    const std::vector<ScoreRow> rows = fullSystem();
    const std::vector<std::uint64_t> keys = [&] {
        std::vector<std::uint64_t> k;
        k.reserve(rows.size());
        for (ScoreRow row : rows)
            k.push_back(row.key());
        return k;
    }();
    const auto model = typicalModel();
    const TableValue value;
    PlainCut plain;
    plain.cells = std::vector<double>(model->match(0).cells());
    for (int m = 1; m < 3; ++m)
        plain.cells.insert(plain.cells.end(), model->match(m).cells().begin(),
                           model->match(m).cells().end());

    // The count as typed: the conditions read and the rows counted, nothing else.
    qint64 counted = 0, plainCounted = 0;
    const RowFilter cut(playersCut(true), model.get());
    Baseline::compare("count of 2,985,984 rows left (the player's cut)",
                      {{}, [&] { counted = cut.remaining(rows.data(), rows.size()).rows; }, {}},
                      {{},
                       [&] {
                           plainCounted = 0;
                           for (std::uint64_t key : keys)
                               plainCounted += plain(key);
                       },
                       {}},
                      0);
    std::printf("%-50s %lld (plain %lld)\n", "  rows left", counted, plainCounted);

    // The label's figures: the chance of the rest, each row once, and its mean value.
    const RowFilter withFigures(playersCut(true), model.get(), &value);
    double chance = 0, plainFigures = 0;
    const std::vector<bool> none; // no copies
    Baseline::compare(
        "  with the chance and mean value of the rest",
        {{}, [&] { chance = withFigures.remaining(rows.data(), rows.size(), &none).chance; }, {}},
        {{},
         [&] {
             double sum = 0, values = 0, p = 0;
             plainCounted = 0;
             for (size_t i = 0; i < keys.size(); ++i)
                 if (plain.keeps(keys[i], p)) {
                     ++plainCounted;
                     sum += p;
                     values += value.value(rows[i]);
                 }
             plainFigures = sum + values;
         },
         {}},
        0);
    std::printf("%-50s %.6f (plain figures %.3f)\n", "  chance of the rest", chance, plainFigures);
    QElapsedTimer wall;
    wall.start();
    const std::vector<bool> first = RowFilterCopies::firstCopies(rows, rows.size());
    std::printf("%-50s %8.1f ms  (once a list change, when many rows are left)\n",
                "first copies of 2,985,984 rows", double(wall.nsecsElapsed()) / 1e6);
    wall.restart();
    const RowFilter::Remaining all = withFigures.remaining(rows.data(), rows.size());
    std::printf("%-50s %8.1f ms  target < 100 ms (%lld left)\n",
                "  the label's count, copies sought among the left",
                double(wall.nsecsElapsed()) / 1e6, all.rows);
    wall.restart();
    const RowFilter::Remaining again = withFigures.remaining(rows.data(), rows.size(), &first);
    std::printf("%-50s %8.1f ms  (%lld left)\n", "  the same, first copies known",
                double(wall.nsecsElapsed()) / 1e6, again.rows);

    // Applying: a list of the system with every third row ticked, cut with an undo record.
    std::unique_ptr<RowListModel> list;
    std::unique_ptr<RowListChange> change;
    std::vector<int> everyThird;
    for (int i = 0; i < int(rows.size()); i += 3)
        everyThird.push_back(i);
    auto prepare = [&] {
        list = std::make_unique<RowListModel>();
        list->appendAll(rows);
        list->checkPositions(everyThird);
        change = std::make_unique<RowListChange>();
        list->recordInto(change.get());
    };
    auto finish = [&] {
        list.reset();
        change.reset();
    };
    std::vector<std::uint64_t> kept;
    Baseline::compare("apply the cut to 2,985,984 rows",
                      {prepare, [&] { cut.apply(*list); }, finish},
                      {[&] { kept = {}; },
                       [&] {
                           for (std::uint64_t key : keys)
                               if (plain(key))
                                   kept.push_back(key);
                       },
                       {}},
                      1.5);
    Baseline::compare(
        "apply the opposite cut (removes the few taken)",
        {prepare, [&] { RowFilter(playersCut(false), model.get()).apply(*list); }, finish},
        {[&] { kept = {}; },
         [&] {
             for (std::uint64_t key : keys)
                 if (!plain(key))
                     kept.push_back(key);
         },
         {}},
        1.5);

    // Its undo beside the undo of removing the same rows ticked ("Poista valitut listalta").
    std::vector<int> removedPositions;
    for (size_t i = 0; i < rows.size(); ++i)
        if (!cut.keeps(rows[i]))
            removedPositions.push_back(int(i));
    Baseline::compare("undo of the cut, beside undo of the same removal",
                      {[&] {
                           prepare();
                           cut.apply(*list);
                       },
                       [&] { change->undo(*list); }, finish},
                      {[&] {
                           list = std::make_unique<RowListModel>();
                           list->appendAll(rows);
                           list->checkPositions(removedPositions);
                           change = std::make_unique<RowListChange>();
                           list->recordInto(change.get());
                           list->removeChecked();
                       },
                       [&] { change->undo(*list); }, finish},
                      1.1);
    std::vector<int> fewPositions;
    for (size_t i = 0; i < rows.size(); ++i)
        if (cut.keeps(rows[i]))
            fewPositions.push_back(int(i));
    const RowFilter opposite(playersCut(false), model.get());
    Baseline::compare("undo of the opposite cut, beside the same removal",
                      {[&] {
                           prepare();
                           opposite.apply(*list);
                       },
                       [&] { change->undo(*list); }, finish},
                      {[&] {
                           list = std::make_unique<RowListModel>();
                           list->appendAll(rows);
                           list->checkPositions(fewPositions);
                           change = std::make_unique<RowListChange>();
                           list->recordInto(change.get());
                           list->removeChecked();
                       },
                       [&] { change->undo(*list); }, finish},
                      1.1);
    return 0;
}
