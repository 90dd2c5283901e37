#pragma once
// The list's chance of winning, kept current as rows come and go: the sum of the probabilities of
// the different rows listed, set anew from a whole list and then moved by each row added or
// removed in constant time. A second copy of a row is a second stake on the same outcome, not a
// second chance, so only a row's first copy counts.

#include "core/compensatedsum.h"
#include "core/rowlistmodel.h"
#include "core/rowmultiset.h"
#include "core/scoremodel.h"
#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

class ChanceTally
{
public:
    ChanceTally() = default;
    explicit ChanceTally(std::shared_ptr<const ScoreModel> model) : m_model(std::move(model)) {}

    // A new model (or none) empties the tally; reset it from the list next.
    void setModel(std::shared_ptr<const ScoreModel> model);
    bool hasModel() const { return m_model && !m_model->isEmpty(); }
    const ScoreModel* model() const { return m_model.get(); }

    // distinct: the rows are known to hold no row twice, so no copies need counting until a
    // reset says otherwise (a list of millions is then summed, not hashed).
    void reset(const ScoreRow* rows, size_t count, bool distinct = false);
    void reset(const std::vector<ScoreRow>& rows, bool distinct = false)
    {
        reset(rows.data(), rows.size(), distinct);
    }
    // Whether copies are counted; while not, add() must be given only rows not listed yet.
    bool countsCopies() const { return m_countsCopies; }
    void add(ScoreRow row);
    void remove(ScoreRow row);

    qint64 rowCount() const { return m_rows; }
    // How many times the row is listed (1 for every row listed while copies are not counted).
    qint64 copies(ScoreRow row) const { return m_countsCopies ? qint64(m_copies.count(row)) : 1; }
    // An emptied list is exactly 0, whatever rounding the removals left.
    double sum() const { return m_rows == 0 ? 0.0 : m_sum.value(); }
    // The sum kept within 0..1 against rounding.
    double chance() const;

private:
    std::shared_ptr<const ScoreModel> m_model;
    CompensatedSum m_sum;
    RowMultiset m_copies; // kept only while there is a model and copies may be listed
    bool m_countsCopies = false;
    qint64 m_rows = 0;
};

namespace Chance {

// N of "1 : N", the rounded inverse of the chance; 0 when the chance is 0 or N would not be
// a whole number that can be written out.
qint64 oneIn(double chance);
// The chance in per cent in the locale's format: two decimals from 1 % up, two significant
// digits below, never rounded to "100 %" or "0 %" unless it is exactly that.
QString percentText(double chance, const QLocale& locale = QLocale());
// "3,41 % (1 : 29)", N grouped as the locale groups digits; the odds part is left out when
// oneIn() gives 0.
QString chanceText(double chance, const QLocale& locale = QLocale());
// The list's rows most likely first (equal chances keep their order), and the positions its
// ticked rows come to; nothing when the list is in that order already.
struct Ordered
{
    std::vector<ScoreRow> rows;
    std::vector<int> ticked;
};
std::optional<Ordered> orderedByChance(const ScoreModel& model, const RowListModel& list);
// The list's rows in order (positions in the list, as the sorts give them); nothing when order
// leaves every row where it is.
std::optional<Ordered> reordered(const RowListModel& list, const std::vector<int>& order);

} // namespace Chance
