#pragma once
#include "core/scorerow.h"
#include <vector>

// Hash set over the rows of a list, so that the duplicate test of a new row never walks the
// list. Open addressing over positions (4 bytes a slot) keeps it small for millions of rows;
// a list may hold duplicates (systems are listed without the test), the index knows one of each.
class RowIndex
{
public:
    void clear();
    void rebuild(const std::vector<ScoreRow>& rows);
    bool contains(const std::vector<ScoreRow>& rows, ScoreRow row) const;
    // Records rows[position]; returns false when an equal row was already known.
    bool insert(const std::vector<ScoreRow>& rows, quint32 position);
    void reserve(size_t rowCount);

private:
    size_t findSlot(const std::vector<ScoreRow>& rows, ScoreRow row) const;
    void grow(const std::vector<ScoreRow>& rows, size_t minimumSlots);

    std::vector<quint32> m_slots; // position + 1, 0 = empty
    size_t m_used = 0;
};
