#include "core/resultcheck.h"

std::optional<ScoreRow> readFinalScores(const QString& text, int columnCount)
{
    const auto row = ScoreRow::fromText(QStringView(text).trimmed());
    if (!row || row->matchCount() != columnCount)
        return std::nullopt;
    return row;
}

QString finalScoresErrorText(int columnCount)
{
    return QStringLiteral("Anna lopputulos muodossa %1.")
        .arg(columnCount == 2 ? QStringLiteral("1-2 0-1") : QStringLiteral("1-2 0-1 2-0"));
}

namespace {
// Counts rows by matches right: each match is one 16-bit pair of the packed row, so a match is
// right when its pair of the rows' difference is zero.
template <int Matches>
void count(quint64 result, const ScoreRow* rows, size_t n, std::array<qint64, 4>& counts,
           int& firstWinning)
{
    for (size_t i = 0; i < n; ++i) {
        const quint64 key = rows[i].key();
        const quint64 difference = key ^ result;
        int right = 0;
        for (int m = 0; m < Matches; ++m)
            right += ((difference >> (16 * m)) & 0xffff) == 0;
        // A row of another width has every pair right only by its missing matches' zeros.
        right -= right == Matches && difference != 0;
        ++counts[size_t(right)];
        if (difference == 0 && firstWinning < 0)
            firstWinning = int(i);
    }
}
} // namespace

ResultCheck checkResult(ScoreRow finalScores, const ScoreRow* rows, size_t n)
{
    ResultCheck check;
    check.matches = finalScores.matchCount();
    check.rows = qint64(n);
    if (check.matches == 2)
        count<2>(finalScores.key(), rows, n, check.rowsWithRight, check.firstWinning);
    else if (check.matches == 3)
        count<3>(finalScores.key(), rows, n, check.rowsWithRight, check.firstWinning);
    return check;
}

QString resultCheckText(const ResultCheck& check)
{
    QString text = check.firstWinning >= 0 ? QStringLiteral("Voittava rivi on listalla (rivi %1).")
                                                 .arg(qint64(check.firstWinning) + 1)
                                           : QStringLiteral("Voittavaa riviä ei ole listalla.");
    for (int right = check.matches; right >= 0; --right)
        text += QStringLiteral("\n%1 oikein: %2 riviä")
                    .arg(right)
                    .arg(check.rowsWithRight[size_t(right)]);
    return text;
}
