// The row list on its own, attached to no view: a million draws with the duplicate test, and
// removing every second of 3,000,000 ticked rows and taking that back, each beside a plain
// baseline of the same job.
#include "baseline.h"
#include "benchrows.h"
#include "core/resultdraw.h"
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include <QElapsedTimer>
#include <memory>

namespace {
constexpr int Draws = 1'000'000;
constexpr int Total = 3'000'000;

void compareDraws()
{
    GoalLimitTexts limits;
    limits.overallMax = QStringLiteral("99");
    const ResultDrawer drawer(limits, 3);
    GeneratorRandom random(1);
    std::unique_ptr<RowListModel> model;
    Baseline::FastRandom fast(1);
    Baseline::KeySet seen;
    std::vector<std::uint64_t> rows;
    Baseline::compare("1,000,000 draws within 0..99, duplicate test",
                      {[&] { model = std::make_unique<RowListModel>(); },
                       [&] { drawer.drawInto(*model, Draws, random); }, [&] { model.reset(); }},
                      {[&] {
                           seen = {};
                           rows = {};
                       },
                       [&] { Baseline::draws(fast, Draws, 99, seen, rows); },
                       {}},
                      1.5);
}

// Every second of the rows ticked, then removed while an undo record keeps them.
void compareRemoval()
{
    const std::vector<ScoreRow> rows = countingRows(Total);
    std::vector<int> everySecond;
    for (int i = 0; i < Total; i += 2)
        everySecond.push_back(i);
    std::unique_ptr<RowListModel> model;
    std::unique_ptr<RowListChange> change;
    auto prepare = [&] {
        model = std::make_unique<RowListModel>();
        model->appendAll(rows);
        model->checkPositions(everySecond);
        change = std::make_unique<RowListChange>();
        model->recordInto(change.get());
    };
    auto finish = [&] {
        model.reset();
        change.reset();
    };

    // The baseline: compact the kept rows and ticks, keep the removed ones with 32-bit positions.
    std::vector<std::uint64_t> keys;
    std::vector<bool> ticks;
    std::vector<std::uint64_t> removed;
    std::vector<std::uint32_t> positions;
    auto preparePlain = [&] {
        keys.resize(rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            keys[i] = rows[i].key();
        ticks.assign(rows.size(), false);
        for (int i : everySecond)
            ticks[size_t(i)] = true;
        removed = {};
        positions = {};
    };
    auto removePlain = [&] {
        const size_t ticked = everySecond.size();
        removed.reserve(ticked);
        positions.reserve(ticked);
        size_t kept = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (ticks[i]) {
                removed.push_back(keys[i]);
                positions.push_back(std::uint32_t(i));
            } else {
                keys[kept] = keys[i];
                ticks[kept++] = false;
            }
        }
        keys.resize(kept);
        keys.shrink_to_fit();
        ticks.resize(kept);
    };
    auto undoPlain = [&] {
        std::vector<std::uint64_t> merged;
        std::vector<bool> mergedTicks;
        merged.reserve(keys.size() + removed.size());
        mergedTicks.reserve(keys.size() + removed.size());
        size_t kept = 0;
        for (size_t k = 0; k < removed.size(); ++k) {
            while (merged.size() < positions[k]) {
                merged.push_back(keys[kept]);
                mergedTicks.push_back(ticks[kept++]);
            }
            merged.push_back(removed[k]);
            mergedTicks.push_back(true);
        }
        for (; kept < keys.size(); ++kept) {
            merged.push_back(keys[kept]);
            mergedTicks.push_back(ticks[kept]);
        }
        keys.swap(merged);
        ticks.swap(mergedTicks);
        removed.clear();
    };

    Baseline::compare("remove every second of 3,000,000 ticked rows",
                      {prepare, [&] { model->removeChecked(); }, finish},
                      {preparePlain, removePlain, {}}, 1.5);
    Baseline::compare("  and take the removal back",
                      {[&] {
                           prepare();
                           model->removeChecked();
                       },
                       [&] { change->undo(*model); }, finish},
                      {[&] {
                           preparePlain();
                           removePlain();
                       },
                       undoPlain,
                       {}},
                      1.5);
}
} // namespace

int main()
{
    Baseline::keepMemory();
    compareDraws();
    compareRemoval();

    RowListModel model;
    model.appendAll(countingRows(Total));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Total; i += 2)
        model.setChecked(i, true);
    std::printf("%-50s %8.1f ms\n", "ticking 1,500,000 rows one by one",
                double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
