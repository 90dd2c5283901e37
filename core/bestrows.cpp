#include "core/bestrows.h"
#include <algorithm>

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

// A row in the making: its probability and its ranks packed as 16-bit fields, match 1 the
// highest, so that comparing the packed ranks compares the rank tuples.
struct Candidate
{
    double p;
    quint64 ranks;
};

bool comesFirst(const Candidate& a, const Candidate& b)
{
    return a.p > b.p || (a.p == b.p && a.ranks < b.ranks);
}

// A binary heap with the first candidate on top. Most rows leave one successor behind, which
// replaces the top with one sift instead of a pop and a push.
class Heap
{
public:
    bool empty() const { return m_items.empty(); }
    const Candidate& top() const { return m_items.front(); }
    void push(const Candidate& c)
    {
        size_t i = m_items.size();
        m_items.push_back(c);
        while (i > 0) {
            const size_t parent = (i - 1) / 2;
            if (!comesFirst(c, m_items[parent]))
                break;
            m_items[i] = m_items[parent];
            i = parent;
        }
        m_items[i] = c;
    }
    void replaceTop(const Candidate& c)
    {
        const size_t n = m_items.size();
        size_t i = 0;
        while (true) {
            size_t child = 2 * i + 1;
            if (child >= n)
                break;
            if (child + 1 < n && comesFirst(m_items[child + 1], m_items[child]))
                ++child;
            if (!comesFirst(m_items[child], c))
                break;
            m_items[i] = m_items[child];
            i = child;
        }
        m_items[i] = c;
    }
    void pop()
    {
        const Candidate last = m_items.back();
        m_items.pop_back();
        if (!m_items.empty())
            replaceTop(last);
    }

private:
    std::vector<Candidate> m_items;
};

// Rows are handed on, and progress told, this many at a time.
constexpr qint64 BlockRows = 65536;

bool validRanges(const ScoreModel& model, const GoalRanges& ranges)
{
    return !model.isEmpty() && ranges.fits(model.matchCount());
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

namespace {
// Hands the rows on in blocks, best first, until count rows, a row of probability 0 or a block
// whose handler says stop. Returns the rows handed on and whether it was stopped.
using Block = std::function<bool(const ScoreRow* rows, size_t count, double chance)>;

std::pair<qint64, bool> enumerate(const ScoreModel& model, const GoalRanges& ranges, qint64 count,
                                  const Block& block)
{
    const qint64 total = std::min(std::max(count, qint64(0)), combinations(model, ranges));
    if (total == 0)
        return {0, false};
    const int matches = model.matchCount();
    std::array<std::vector<Score>, 3> scores;
    for (int m = 0; m < matches; ++m)
        scores[size_t(m)] = rankedScores(model.match(m), ranges.home(m), ranges.away(m));
    // The product in match order, as ScoreModel::probability forms it, so that the sum of the
    // rows found equals the list's chance exactly.
    auto rankOf = [](quint64 ranks, int m) { return size_t((ranks >> (32 - 16 * m)) & 0xffff); };
    auto probabilityOf = [&](quint64 ranks) {
        double p = scores[0][rankOf(ranks, 0)].p * scores[1][rankOf(ranks, 1)].p;
        if (matches == 3)
            p *= scores[2][rankOf(ranks, 2)].p;
        return p;
    };

    Heap heap;
    heap.push({probabilityOf(0), 0});
    std::vector<ScoreRow> rows;
    rows.reserve(size_t(std::min(total, BlockRows)));
    CompensatedSum chance;
    qint64 done = 0;
    std::array<Candidate, 3> successors;
    while (done < total) {
        const Candidate best = heap.top();
        // The rest are as unlikely: rows that cannot happen are no bet.
        if (best.p <= 0)
            break;
        std::array<int, ScoreRow::MaxTeams> goals{};
        for (int m = 0; m < matches; ++m) {
            const Score& s = scores[size_t(m)][rankOf(best.ranks, m)];
            goals[size_t(2 * m)] = s.home;
            goals[size_t(2 * m + 1)] = s.away;
        }
        rows.push_back(ScoreRow(matches, goals));
        chance.add(best.p);
        ++done;
        // Each rank tuple has one parent, itself with its last non-zero rank one lower; pushing
        // only from the parent reaches every tuple once, with no set of those seen.
        int last = matches - 1;
        while (last > 0 && rankOf(best.ranks, last) == 0)
            --last;
        size_t next = 0;
        for (int m = last; m < matches; ++m) {
            if (rankOf(best.ranks, m) + 1 >= scores[size_t(m)].size())
                continue;
            const quint64 ranks = best.ranks + (quint64(1) << (32 - 16 * m));
            successors[next++] = {probabilityOf(ranks), ranks};
        }
        if (next == 0)
            heap.pop();
        else
            heap.replaceTop(successors[0]);
        for (size_t i = 1; i < next; ++i)
            heap.push(successors[i]);
        if (qint64(rows.size()) == BlockRows && done < total) {
            if (!block(rows.data(), rows.size(), chance.value()))
                return {done, true};
            rows.clear();
        }
        if (heap.empty())
            break;
    }
    block(rows.data(), rows.size(), chance.value());
    return {done, false};
}
} // namespace

Result find(const ScoreModel& model, const GoalRanges& ranges, qint64 count,
            const Progress& progress)
{
    Result result;
    const qint64 total = std::min(std::max(count, qint64(0)), combinations(model, ranges));
    result.rows.reserve(size_t(total));
    result.stopped =
        enumerate(model, ranges, count, [&](const ScoreRow* rows, size_t n, double chance) {
            result.rows.insert(result.rows.end(), rows, rows + n);
            result.chance = chance;
            const qint64 done = qint64(result.rows.size());
            return !progress || done >= total || progress(done, total);
        }).second;
    return result;
}

Appended appendTo(RowListModel& list, const ScoreModel& model, const GoalRanges& ranges,
                  qint64 count, const Progress& progress)
{
    Appended appended;
    const qint64 total = std::min(std::max(count, qint64(0)), combinations(model, ranges));
    // Room for the first blocks only: a search for millions may be stopped early, or run out
    // of rows that can happen, and the list grows geometrically past that.
    list.announceStaged();
    list.reserveMore(size_t(std::min(total, 16 * BlockRows)));
    appended.stopped =
        enumerate(model, ranges, count, [&](const ScoreRow* rows, size_t n, double) {
            appended.added += qint64(list.stageNew(rows, n));
            appended.found += qint64(n);
            list.announceStaged();
            return !progress || appended.found >= total || progress(appended.found, total);
        }).second;
    return appended;
}

} // namespace BestRows
