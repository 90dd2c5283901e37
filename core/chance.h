#pragma once
// The list's chance of winning, kept current as rows come and go: the sum of the listed rows'
// probabilities, set anew from a whole list and then moved by each row added or removed in
// constant time. A row listed twice counts twice (a duplicate is a second bet on the same
// outcome), so with duplicates the sum can pass what the list can win; the chance shown stops
// at 100 %.

#include "core/compensatedsum.h"
#include "core/rowlistmodel.h"
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

    void reset(const ScoreRow* rows, size_t count);
    void reset(const std::vector<ScoreRow>& rows) { reset(rows.data(), rows.size()); }
    void add(ScoreRow row);
    void remove(ScoreRow row);

    qint64 rowCount() const { return m_rows; }
    // An emptied list is exactly 0, whatever rounding the removals left.
    double sum() const { return m_rows == 0 ? 0.0 : m_sum.value(); }
    // The sum kept within 0..1.
    double chance() const;

private:
    std::shared_ptr<const ScoreModel> m_model;
    CompensatedSum m_sum;
    qint64 m_rows = 0;
};

namespace Chance {

// N of "1 : N", the rounded inverse of the chance; 0 when the chance is 0 or N would not be
// a whole number that can be written out.
qint64 oneIn(double chance);
// The chance in per cent in the locale's format: two decimals from 1 % up, two significant
// digits below, "0 %" for none.
QString percentText(double chance, const QLocale& locale = QLocale());
// "3,41 % (1 : 29)"; the odds part is left out when oneIn() gives 0.
QString chanceText(double chance, const QLocale& locale = QLocale());
// "Voittotodennäköisyys 3,41 % (1 : 29)", the main window's label.
QString winningText(double chance, const QLocale& locale = QLocale());
// The list's rows most likely first (equal chances keep their order), and the positions its
// ticked rows come to; nothing when the list is in that order already.
struct Ordered
{
    std::vector<ScoreRow> rows;
    std::vector<int> ticked;
};
std::optional<Ordered> orderedByChance(const ScoreModel& model, const RowListModel& list);
// "Todennäköisyys 0,52 % (1 : 192)", a row's tooltip.
QString rowText(double chance, const QLocale& locale = QLocale());

} // namespace Chance
