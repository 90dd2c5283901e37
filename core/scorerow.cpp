#include "core/scorerow.h"

int ScoreRow::writeText(char* out) const
{
    int n = 0;
    const int teams = 2 * matchCount();
    for (int team = 0; team < teams; ++team) {
        if (team > 0)
            out[n++] = (team % 2) ? '-' : ' ';
        const int g = goal(team);
        if (g >= 10)
            out[n++] = char('0' + g / 10);
        out[n++] = char('0' + g % 10);
    }
    return n;
}

QString ScoreRow::text() const
{
    char buffer[MaxTextLength];
    return QString::fromLatin1(buffer, writeText(buffer));
}

namespace {
template <typename Char> std::optional<ScoreRow> parseRow(const Char* s, qsizetype length)
{
    std::array<int, ScoreRow::MaxTeams> goals{};
    int team = 0;
    qsizetype i = 0;
    while (true) {
        if (team == ScoreRow::MaxTeams)
            return std::nullopt;
        // A goal: one digit, or two digits not starting with 0.
        if (i >= length || s[i] < '0' || s[i] > '9')
            return std::nullopt;
        int g = s[i++] - '0';
        if (i < length && s[i] >= '0' && s[i] <= '9') {
            if (g == 0)
                return std::nullopt;
            g = g * 10 + (s[i++] - '0');
        }
        goals[size_t(team++)] = g;
        if (i == length)
            break;
        const char separator = (team % 2) ? '-' : ' ';
        if (s[i++] != separator)
            return std::nullopt;
    }
    if (team != 4 && team != 6)
        return std::nullopt;
    return ScoreRow(team / 2, goals);
}
} // namespace

std::optional<ScoreRow> ScoreRow::fromText(QStringView text)
{
    return parseRow(text.utf16(), text.size());
}

std::optional<ScoreRow> ScoreRow::fromLatin1(const char* text, qsizetype length)
{
    return parseRow(text, length);
}
