#pragma once
// Core domain of the multi-score pool. A ScoreRow is one bet: the exact final score of 2 or 3
// matches. Rows are packed into 64 bits so that a list of millions stays small and hashable;
// everything else (lists, files, printing, net play) goes through the row text "2-1 0-3 1-1".

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

class ScoreRow
{
public:
    static constexpr int MaxGoal = 99; // goal boxes take two digits; the grid goes to 11
    static constexpr int MaxTeams = 6;
    static constexpr int MaxTextLength = 17; // "99-99 99-99 99-99"

    ScoreRow() = default;
    // goals: home 1, away 1, home 2, away 2, home 3, away 3; only the first 2 * matches are used.
    // Inline: systems and draws make millions of rows in a row.
    ScoreRow(int matches, const std::array<int, MaxTeams>& goals)
    {
        if (matches != 2 && matches != 3)
            return;
        quint64 key = quint64(matches) << 48;
        for (int team = 0; team < 2 * matches; ++team) {
            const int g = goals[size_t(team)];
            if (g < 0 || g > MaxGoal)
                return;
            key |= quint64(g) << (8 * team);
        }
        m_key = key;
    }

    bool isValid() const { return m_key != 0; }
    int matchCount() const { return int((m_key >> 48) & 0xff); }
    int goal(int team) const { return int((m_key >> (8 * team)) & 0xff); }
    quint64 key() const { return m_key; }

    // The same row with the goals of one team changed; an invalid row when team is not in the
    // row or goal is out of range.
    ScoreRow withGoal(int team, int goal) const
    {
        ScoreRow changed;
        if (team < 0 || team >= 2 * matchCount() || goal < 0 || goal > MaxGoal)
            return changed;
        const int shift = 8 * team;
        changed.m_key = (m_key & ~(quint64(0xff) << shift)) | (quint64(goal) << shift);
        return changed;
    }

    QString text() const;
    // Writes the row text as Latin-1 into out (at least MaxTextLength bytes); returns its length.
    int writeText(char* out) const;

    // Strict reading of a row text: 2 or 3 pairs "home-away" of whole numbers 0..99 without
    // leading zeros, one blank between pairs, nothing else.
    static std::optional<ScoreRow> fromText(QStringView text);
    static std::optional<ScoreRow> fromLatin1(const char* text, qsizetype length);

    friend bool operator==(ScoreRow a, ScoreRow b) { return a.m_key == b.m_key; }
    friend bool operator!=(ScoreRow a, ScoreRow b) { return a.m_key != b.m_key; }

private:
    quint64 m_key = 0; // byte k = goal of team k, byte 6 = match count (never 0 when valid)
};
