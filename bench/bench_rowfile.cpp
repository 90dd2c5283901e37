// Row files and comparison at the sizes of large systems: prints the time of each step.
#include "compare/comparison.h"
#include "files/rowfile.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {
std::vector<ScoreRow> distinctRows(int count, int offset)
{
    // Three matches of goals 0..9 give a million distinct rows; the offset shifts into
    // two-digit goals for further distinct rows.
    std::vector<ScoreRow> rows;
    rows.reserve(size_t(count));
    for (int n = offset; n < offset + count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % 10;
            rest /= 10;
        }
        goals[5] += 10 * (rest % 9);
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}

void report(const char* what, const QElapsedTimer& timer, const char* target = nullptr)
{
    std::printf("%-52s %7.3f s%s%s\n", what, double(timer.nsecsElapsed()) / 1e9,
                target ? "   target " : "", target ? target : "");
}
} // namespace

int main()
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.txt");
    const QString million = dir.filePath("million.txt");
    QElapsedTimer timer;

    const std::vector<ScoreRow> rows = distinctRows(3000000, 0);
    timer.start();
    if (!RowFile::write(big, rows))
        return 1;
    report("save 3,000,000 rows", timer, "< 0.5 s");

    timer.start();
    RowFile::ReadResult read = RowFile::read(big);
    report("read 3,000,000 rows", timer, "< 0.6 s");
    {
        RowListModel model;
        model.appendAll(read.rows);
        report("read 3,000,000 rows + appendAll into empty list", timer, "< 1.5 s");
    }

    if (!RowFile::write(million, distinctRows(1000000, 500000)))
        return 1;
    RowListModel held;
    held.appendAll(distinctRows(1000000, 0));
    timer.start();
    read = RowFile::read(million);
    held.appendNew(read.rows);
    report("read 1,000,000 rows + appendNew to 1,000,000 held", timer, "< 1.5 s");
    std::printf("  (list now %d rows)\n", held.count());

    RowListModel list1, list2;
    list1.appendAll(distinctRows(1000000, 0));
    list2.appendAll(distinctRows(1000000, 700000));
    timer.start();
    const int ticked = Comparison::tickShared(list1, list2);
    report("compare two lists of 1,000,000", timer, "< 1 s");
    std::printf("  (%d rows ticked)\n", ticked);
    return 0;
}
