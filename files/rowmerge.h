#pragma once
// What opening a row file into the row list does: into an empty list the rows go as they are
// and the match count follows the file; into a listed one only rows of the same width go, with
// or without the duplicate test as the player chooses.
#include "core/rowlistmodel.h"
#include <vector>

namespace RowMerge {

enum class Plan
{
    Append,               // into an empty list of the file's width (or an empty file)
    SwitchModeThenAppend, // into an empty list, the mode switched to the file's width first
    WidthMismatch,        // the listed rows and the file's differ in width: nothing opens
    AskAboutDuplicates    // same width: the player chooses whether duplicates stay out
};

// fileColumns is 0 for an empty file.
Plan plan(const RowListModel& list, int currentColumns, int fileColumns);

// Appends the rows; with skipDuplicates only those neither listed nor earlier in the file.
// Returns how many were left out. An empty list takes the rows over without a copy.
qint64 append(RowListModel& list, std::vector<ScoreRow>&& rows, bool skipDuplicates);

} // namespace RowMerge
