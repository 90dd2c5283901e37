#include "core/bestrows.h"
#include <algorithm>
#include <queue>

namespace BestRows {

namespace {
struct Score
{
    double p;
    quint8 home;
    quint8 away;
};

// A match's scores within its limits, most likely first.
std::vector<Score> rankedScores(const MatchScores& match, GoalRange home, GoalRange away)
{
    std::vector<Score> scores;
    for (int h = home.min; h <= home.max; ++h)
        for (int a = away.min; a <= away.max; ++a)
            scores.push_back({match.at(h, a), quint8(h), quint8(a)});
    // Built in goal order, so a stable sort leaves equal probabilities in that order.
    std::stable_sort(scores.begin(), scores.end(),
                     [](const Score& x, const Score& y) { return x.p > y.p; });
    return scores;
}

struct Candidate
{
    double p;
    std::array<quint16, 3> rank; // at most 100 * 100 scores a match
};

// Heap order: true when a comes after b (the heap keeps the first on top).
struct After
{
    bool operator()(const Candidate& a, const Candidate& b) const
    {
        if (a.p != b.p)
            return a.p < b.p;
        return a.rank > b.rank;
    }
};

bool validRanges(const ScoreModel& model, const GoalRanges& ranges)
{
    if (model.isEmpty() || ranges.matches != model.matchCount())
        return false;
    for (int k = 0; k < 2 * ranges.matches; ++k) {
        const GoalRange& r = ranges.teams[size_t(k)];
        if (r.min < 0 || r.max < r.min || r.max > ScoreRow::MaxGoal)
            return false;
    }
    return true;
}
} // namespace

std::optional<qint64> countForBudget(qint64 budgetCents, qint64 stakeCents)
{
    if (stakeCents <= 0 || budgetCents < 0)
        return std::nullopt;
    return budgetCents / stakeCents;
}

qint64 combinations(const ScoreModel& model, const GoalRanges& ranges)
{
    if (!validRanges(model, ranges))
        return 0;
    qint64 total = 1;
    for (int k = 0; k < 2 * ranges.matches; ++k)
        total *= ranges.teams[size_t(k)].max - ranges.teams[size_t(k)].min + 1;
    return total;
}

Result find(const ScoreModel& model, const GoalRanges& ranges, qint64 count,
            const Progress& progress)
{
    Result result;
    const qint64 total = std::min(std::max(count, qint64(0)), combinations(model, ranges));
    if (total == 0)
        return result;
    const int matches = model.matchCount();
    std::array<std::vector<Score>, 3> scores;
    for (int m = 0; m < matches; ++m)
        scores[size_t(m)] = rankedScores(model.match(m), ranges.home(m), ranges.away(m));
    // The product in match order, as ScoreModel::probability forms it, so that the sum of the
    // rows found equals the list's chance exactly.
    auto probabilityOf = [&](const std::array<quint16, 3>& rank) {
        double p = scores[0][rank[0]].p * scores[1][rank[1]].p;
        if (matches == 3)
            p *= scores[2][rank[2]].p;
        return p;
    };

    std::vector<Candidate> heapStore;
    heapStore.reserve(size_t(std::min<qint64>(total, 1 << 20)) * 2);
    std::priority_queue<Candidate, std::vector<Candidate>, After> heap(After(),
                                                                       std::move(heapStore));
    heap.push({probabilityOf({0, 0, 0}), {0, 0, 0}});
    result.rows.reserve(size_t(total));
    CompensatedSum chance;
    constexpr qint64 ReportEvery = 65536;
    while (qint64(result.rows.size()) < total) {
        const Candidate best = heap.top();
        heap.pop();
        std::array<int, ScoreRow::MaxTeams> goals{};
        for (int m = 0; m < matches; ++m) {
            const Score& s = scores[size_t(m)][best.rank[size_t(m)]];
            goals[size_t(2 * m)] = s.home;
            goals[size_t(2 * m + 1)] = s.away;
        }
        result.rows.push_back(ScoreRow(matches, goals));
        chance.add(best.p);
        // Each rank tuple has one parent, itself with its last non-zero rank one lower; pushing
        // only from the parent reaches every tuple once, with no set of those seen.
        int last = matches - 1;
        while (last > 0 && best.rank[size_t(last)] == 0)
            --last;
        for (int m = last; m < matches; ++m) {
            if (best.rank[size_t(m)] + 1 >= int(scores[size_t(m)].size()))
                continue;
            Candidate next = best;
            ++next.rank[size_t(m)];
            next.p = probabilityOf(next.rank);
            heap.push(next);
        }
        const qint64 done = qint64(result.rows.size());
        if (progress && done % ReportEvery == 0 && done < total && !progress(done, total)) {
            result.stopped = true;
            break;
        }
    }
    result.chance = chance.value();
    return result;
}

} // namespace BestRows
