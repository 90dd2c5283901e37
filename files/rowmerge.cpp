#include "files/rowmerge.h"

namespace RowMerge {

Plan plan(const RowListModel& list, int currentColumns, int fileColumns)
{
    if (list.isEmpty())
        return fileColumns != 0 && fileColumns != currentColumns ? Plan::SwitchModeThenAppend
                                                                 : Plan::Append;
    // An empty file has no width, and so none that matches the list.
    if (fileColumns != list.at(0).matchCount())
        return Plan::WidthMismatch;
    return Plan::AskAboutDuplicates;
}

qint64 append(RowListModel& list, std::vector<ScoreRow>&& rows, bool skipDuplicates)
{
    if (!skipDuplicates) {
        list.appendAll(std::move(rows));
        return 0;
    }
    return qint64(rows.size()) - list.appendNew(rows);
}

} // namespace RowMerge
