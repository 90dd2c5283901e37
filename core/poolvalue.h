#pragma once
// A row's value in the pool: the winning pool, R per cent of the stakes T plus any jackpot C,
// is shared among the stakes on the winning row, so a row the public plays little pays much.
// The public's stake on a row is T times its share, the product of its matches' shares (the
// published tables give each match alone, so the choices are taken as independent). With the
// player's own stake b on the row, a euro on it pays (R*T + C) / (T*share + b) when it wins,
// and its value, the expected return per euro, is its probability times that.

#include "core/chance.h"
#include "core/compensatedsum.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include "core/stakeshares.h"
#include <QLocale>
#include <array>
#include <memory>

struct PoolTexts
{
    QString total;    // T, euros
    QString returned; // R, per cent
    QString jackpot;  // C, euros; empty is 0
};

struct Pool
{
    qint64 totalCents = 0;
    double returnShare = 0; // R as a fraction
    qint64 jackpotCents = 0;
};

struct PoolRead
{
    std::optional<Pool> pool;
    QString error;
    int field = -1; // the box at fault: 0 T, 1 R, 2 C
};

// T above 0 and C of 0 or more in euros (either decimal separator, blanks between digit groups
// allowed), R above 0 and at most 100 per cent. R has no default: the operator's share varies.
PoolRead readPool(const PoolTexts& texts, const QLocale& locale = QLocale());

// Everything the player gives of the pool: each match's stake table and the pool's figures,
// as typed.
struct DistributionTexts
{
    std::array<QString, 3> tables;
    PoolTexts pool;
};

struct Distribution
{
    std::vector<ShareTable> tables; // one a match
    Pool pool;
};

struct DistributionRead
{
    std::optional<Distribution> distribution;
    QString error;
    int errorMatch = 0; // 1..3 when a match's table is at fault
    int poolField = -1; // as PoolRead::field
};

// The tables of the first matches matches and the pool; the first fault found is told.
DistributionRead readDistribution(const DistributionTexts& texts, int matches,
                                  const QLocale& locale = QLocale());

class PoolValue : public RowValue
{
public:
    // shares: each match's Goals * Goals public shares (StakeShares::shareCells), as many as the
    // model has matches; stakeCents: the player's stake on one row. Nothing when these do not
    // fit together or the stake is not above 0.
    static std::shared_ptr<const PoolValue> make(std::shared_ptr<const ScoreModel> model,
                                                 const std::vector<std::vector<double>>& shares,
                                                 const Pool& pool, qint64 stakeCents);
    // The shares made from the tables by the model's chances.
    static std::shared_ptr<const PoolValue> make(std::shared_ptr<const ScoreModel> model,
                                                 const Distribution& distribution,
                                                 qint64 stakeCents);

    double value(ScoreRow row) const override { return valueOf(row); }
    // The same without the virtual call, for millions of rows.
    double valueOf(ScoreRow row) const { return valueFrom(m_model->probability(row), share(row)); }
    // From a probability and a public share formed as probability() and share() form them.
    double valueFrom(double p, double share) const
    {
        return p * m_payout / (m_total * share + m_stake);
    }
    // The product of the row's matches' shares in match order; 0 for a row of another count.
    double share(ScoreRow row) const
    {
        const quint64 key = row.key();
        if (int((key >> 48) & 0xff) != m_count)
            return 0;
        double s = m_shares[cellOf(key, 0)] * m_shares[cellOf(key, 1)];
        if (m_count == 3)
            s *= m_shares[cellOf(key, 2)];
        return s;
    }
    double shareAt(int match, int home, int away) const
    {
        return m_shares[size_t(match) * MatchScores::Goals * MatchScores::Goals +
                        size_t(home * MatchScores::Goals + away)];
    }

    const ScoreModel& model() const { return *m_model; }
    std::shared_ptr<const ScoreModel> modelShared() const { return m_model; }
    // R*T + C, T and b in euros.
    double payout() const { return m_payout; }
    double total() const { return m_total; }
    double stake() const { return m_stake; }

private:
    PoolValue() = default;
    static size_t cellOf(quint64 key, int match)
    {
        const unsigned pair = unsigned(key >> (16 * match));
        return size_t(match) * MatchScores::Goals * MatchScores::Goals +
               (pair & 0xff) * MatchScores::Goals + ((pair >> 8) & 0xff);
    }

    std::shared_ptr<const ScoreModel> m_model;
    std::vector<double> m_shares; // the matches' share tables one after another
    int m_count = 0;
    double m_payout = 0;
    double m_total = 0;
    double m_stake = 0;
};

// The list's expected return kept current as rows come and go: the sum of its rows' values,
// each copy a stake of its own, set anew from a whole list and then moved row by row in
// constant time. Every row has the same stake, so the return as a share of the stake is the
// mean value.
class ValueTally
{
public:
    void setValue(std::shared_ptr<const PoolValue> value);
    bool hasValue() const { return m_value != nullptr; }
    void reset(const ScoreRow* rows, size_t count);
    void add(ScoreRow row);
    void remove(ScoreRow row);

    qint64 rowCount() const { return m_rows; }
    double sum() const { return m_rows == 0 ? 0.0 : m_sum.value(); }
    // The expected return per euro staked on the list; 0 for an empty list.
    double expectedReturn() const { return m_rows == 0 ? 0.0 : sum() / double(m_rows); }

private:
    std::shared_ptr<const PoolValue> m_value;
    CompensatedSum m_sum;
    qint64 m_rows = 0;
};

namespace RowValues {

// "1,23", the value with two decimals.
QString valueText(double value, const QLocale& locale = QLocale());
// "Odotettu palautus 87 % panoksesta".
QString expectedReturnText(double expectedReturn, const QLocale& locale = QLocale());
// The list's rows highest value first (equal values keep their order), and the positions its
// ticked rows come to; nothing when the list is in that order already.
std::optional<Chance::Ordered> orderedByValue(const PoolValue& value, const RowListModel& list);

} // namespace RowValues
