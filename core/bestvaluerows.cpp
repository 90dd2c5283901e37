#include "core/bestvaluerows.h"
#include <algorithm>
#include <array>

namespace BestValueRows {

namespace {
struct Score
{
    double p;
    double share;
    quint16 goals; // home << 8 | away
};

struct MatchList
{
    std::vector<Score> scores;     // within the limits, chance above 0, most likely first
    std::vector<double> leastFrom; // the least share from each position on
};

MatchList listOf(const PoolValue& value, int match, GoalRange home, GoalRange away)
{
    MatchList list;
    const MatchScores& scores = value.model().match(match);
    for (int h = home.min; h <= home.max; ++h)
        for (int a = away.min; a <= away.max; ++a)
            if (scores.at(h, a) > 0)
                list.scores.push_back(
                    {scores.at(h, a), value.shareAt(match, h, a), quint16(h << 8 | a)});
    std::stable_sort(list.scores.begin(), list.scores.end(),
                     [](const Score& x, const Score& y) { return x.p > y.p; });
    list.leastFrom.resize(list.scores.size());
    double least = 1;
    for (size_t i = list.scores.size(); i-- > 0;)
        list.leastFrom[i] = least = std::min(least, list.scores[i].share);
    return list;
}

// A row kept: its value and its goals packed in row order, match 1's home goals highest, so
// that comparing the packs compares the goals in row order.
struct Kept
{
    double value;
    quint64 goals;
};

bool comesFirst(const Kept& a, const Kept& b)
{
    return a.value > b.value || (a.value == b.value && a.goals < b.goals);
}

// Bounds are formed in another order than the rows' own products; this covers their rounding.
constexpr double Slack = 1 + 1e-9;
constexpr qint64 ReportEvery = 65536;

class Search
{
public:
    Search(const PoolValue& value, const GoalRanges& ranges, qint64 count, double leastChance,
           const BestRows::Progress& progress)
        : m_value(value), m_count(size_t(count)), m_least(leastChance), m_progress(progress)
    {
        m_matches = value.model().matchCount();
        m_bestFrom.fill(1);
        m_leastFrom.fill(1);
        for (int m = 0; m < m_matches; ++m)
            m_lists[size_t(m)] = listOf(value, m, ranges.home(m), ranges.away(m));
        for (int m = m_matches - 1; m >= 0; --m) {
            const MatchList& list = m_lists[size_t(m)];
            m_bestFrom[size_t(m)] = list.scores.empty() ? 0 : list.scores.front().p;
            m_leastFrom[size_t(m)] = list.leastFrom.empty() ? 1 : list.leastFrom.front();
            m_bestFrom[size_t(m)] *= m_bestFrom[size_t(m) + 1];
            m_leastFrom[size_t(m)] *= m_leastFrom[size_t(m) + 1];
        }
        m_total = qint64(m_lists[0].scores.size()) * qint64(m_lists[1].scores.size());
        m_room = m_count + std::min(m_count, size_t(1) << 20);
    }

    Result run()
    {
        Result result;
        if (m_count > 0 && m_total > 0)
            visit<0>(1, 1, 0);
        pickBest();
        std::sort(m_kept.begin(), m_kept.end(), comesFirst);
        result.rows.reserve(m_kept.size());
        for (const Kept& kept : m_kept) {
            std::array<int, ScoreRow::MaxTeams> goals{};
            for (int team = 0; team < 2 * m_matches; ++team)
                goals[size_t(team)] = int((kept.goals >> (8 * (2 * m_matches - 1 - team))) & 0xff);
            result.rows.push_back(ScoreRow(m_matches, goals));
        }
        result.stopped = m_stopped;
        return result;
    }

private:
    double threshold() const { return m_threshold; }

    // The most any row can be worth whose chance is at most p and share at least share.
    double bound(double p, double share) const
    {
        return p * m_value.payout() / (m_value.total() * share + m_value.stake()) * Slack;
    }

    // Rows at least as good as the worst of the best count kept are gathered unsorted; when
    // the room is full, the best count are picked out and the worst of them raises the bar.
    // Each row costs a constant on average, where a heap of millions would cost a climb.
    void keep(double value, quint64 goals)
    {
        if (value < m_threshold)
            return;
        m_kept.push_back({value, goals});
        if (m_kept.size() == m_room)
            pickBest();
    }

    void pickBest()
    {
        if (m_kept.size() <= m_count)
            return;
        std::nth_element(m_kept.begin(), m_kept.begin() + qsizetype(m_count) - 1, m_kept.end(),
                         comesFirst);
        m_kept.resize(m_count);
        m_threshold = m_kept.back().value;
    }

    bool goOn(qint64 done)
    {
        if (m_work < m_nextReport)
            return true;
        m_nextReport = m_work + ReportEvery;
        m_stopped = m_progress && !m_progress(done, m_total);
        return !m_stopped;
    }

    // Products in match order, as ScoreModel::probability and PoolValue::share form them, so
    // that a row's value here is exactly its value in the list.
    template <int m> void visit(double prefixP, double prefixShare, quint64 goals)
    {
        const MatchList& list = m_lists[size_t(m)];
        const bool last = m + 1 == m_matches;
        const double bestAfter = m_bestFrom[size_t(m) + 1];
        const double leastAfter = m_leastFrom[size_t(m) + 1];
        for (size_t i = 0; i < list.scores.size(); ++i) {
            if (m == 1 && !goOn(qint64(m_first) * qint64(list.scores.size()) + qint64(i)))
                return;
            if (m == 0)
                m_first = i;
            const Score& score = list.scores[i];
            const double p = prefixP * score.p;
            const double reach = p * bestAfter;
            // The scores further on are no likelier and their least share is no less.
            if (reach * Slack < m_least ||
                bound(reach, prefixShare * list.leastFrom[i] * leastAfter) < threshold())
                break;
            const double share = prefixShare * score.share;
            const quint64 rowGoals = goals << 16 | score.goals;
            ++m_work;
            if (last) {
                if (p >= m_least)
                    if (const double value = m_value.valueFrom(p, share); value > 0)
                        keep(value, rowGoals);
            } else if (bound(reach, share * leastAfter) >= threshold()) {
                if constexpr (m < 2)
                    visit<m + 1>(p, share, rowGoals);
                if (m_stopped)
                    return;
            }
        }
    }

    const PoolValue& m_value;
    size_t m_count;
    double m_least;
    const BestRows::Progress& m_progress;
    int m_matches = 0;
    std::array<MatchList, 3> m_lists;
    std::array<double, 4> m_bestFrom{};  // the best chance of the matches from m on
    std::array<double, 4> m_leastFrom{}; // the least share of the matches from m on
    std::vector<Kept> m_kept;            // unsorted; past m_count only rows not below m_threshold
    size_t m_room = 0;
    double m_threshold = 0; // the worst of the best m_count once that many were met
    qint64 m_total = 0;
    qint64 m_work = 0;
    qint64 m_nextReport = ReportEvery;
    size_t m_first = 0;
    bool m_stopped = false;
};
} // namespace

Result find(const PoolValue& value, const GoalRanges& ranges, qint64 count, double leastChance,
            const BestRows::Progress& progress)
{
    if (count <= 0 || !ranges.fits(value.model().matchCount()))
        return {};
    return Search(value, ranges, std::min(count, BestRows::MaxCount), leastChance, progress).run();
}

BestRows::Appended appendTo(RowListModel& list, const PoolValue& value, const GoalRanges& ranges,
                            qint64 count, double leastChance, const BestRows::Progress& progress)
{
    const Result found = find(value, ranges, count, leastChance, progress);
    BestRows::Appended appended;
    appended.stopped = found.stopped;
    appended.found = qint64(found.rows.size());
    list.announceStaged();
    list.reserveMore(found.rows.size());
    constexpr size_t Block = 65536;
    for (size_t from = 0; from < found.rows.size(); from += Block) {
        const size_t n = std::min(Block, found.rows.size() - from);
        appended.added += qint64(list.stageNew(found.rows.data() + from, n));
        list.announceStaged();
    }
    return appended;
}

} // namespace BestValueRows
