// Row files and comparison at the sizes of large systems, each beside a plain baseline on the
// same data: saving and reading 3,000,000 rows, opening a file of 1,000,000 rows into a list
// of 1,000,000 without duplicates, and comparing two lists of 1,000,000.
#include "baseline.h"
#include "benchrows.h"
#include "compare/comparison.h"
#include "files/rowfile.h"
#include "files/rowmerge.h"
#include <QTemporaryDir>
#include <memory>

namespace {
void compareSaveAndRead(const QString& path)
{
    const std::vector<ScoreRow> rows = shiftedRows(3000000, 0);
    const QByteArray plainPath = (path + ".plain").toLocal8Bit();
    Baseline::compare("save 3,000,000 rows", {{}, [&] { RowFile::write(path, rows); }, {}},
                      {{},
                       [&] {
                           std::vector<char> bytes;
                           bytes.reserve(rows.size() * 13);
                           char line[ScoreRow::MaxTextLength + 2];
                           for (ScoreRow row : rows) {
                               const int length = row.writeText(line);
                               line[length] = '\r';
                               line[length + 1] = '\n';
                               bytes.insert(bytes.end(), line, line + length + 2);
                           }
                           std::FILE* file = std::fopen(plainPath.constData(), "wb");
                           std::fwrite(bytes.data(), 1, bytes.size(), file);
                           std::fclose(file);
                       },
                       {}},
                      0);
    const QByteArray localPath = path.toLocal8Bit();
    Baseline::compare("read 3,000,000 rows", {{}, [&] { RowFile::read(path); }, {}},
                      {{}, [&] { Baseline::readKeys(localPath.constData()); }, {}}, 0);
}

// The list holds 1,000,000 rows with its duplicate index built, as after a draw; half of the
// file's rows are listed already.
void compareOpening(const QString& path)
{
    if (!RowFile::write(path, shiftedRows(1000000, 500000)))
        return;
    const std::vector<ScoreRow> heldRows = shiftedRows(1000000, 0);
    std::unique_ptr<RowListModel> held;
    const std::vector<std::uint64_t> heldKeys = keysOf(heldRows);
    Baseline::compare("opening 1,000,000 rows into 1,000,000, no duplicates",
                      {[&] {
                           held = std::make_unique<RowListModel>();
                           held->appendAll(heldRows);
                           held->contains(heldRows.front());
                       },
                       [&] {
                           RowFile::ReadResult file = RowFile::read(path);
                           RowMerge::append(*held, std::move(file.rows), true);
                       },
                       [&] { held.reset(); }},
                      Baseline::openingJob(heldKeys, path.toLocal8Bit().toStdString()), 1.5);
}

// Both lists as opened from files: neither has built its duplicate index yet.
void compareLists()
{
    const std::vector<ScoreRow> rows1 = shiftedRows(1000000, 0);
    const std::vector<ScoreRow> rows2 = shiftedRows(1000000, 700000);
    std::unique_ptr<RowListModel> list1;
    std::unique_ptr<RowListModel> list2;
    const std::vector<std::uint64_t> keys1 = keysOf(rows1);
    const std::vector<std::uint64_t> keys2 = keysOf(rows2);
    Baseline::compare("comparing two lists of 1,000,000 rows",
                      {[&] {
                           list1 = std::make_unique<RowListModel>();
                           list2 = std::make_unique<RowListModel>();
                           list1->appendAll(rows1);
                           list2->appendAll(rows2);
                       },
                       [&] { Comparison::tickShared(*list1, *list2); },
                       [&] {
                           list1.reset();
                           list2.reset();
                       }},
                      Baseline::comparingJob(keys1, keys2), 1.5);
}
} // namespace

int main()
{
    Baseline::keepMemory();
    QTemporaryDir dir;
    compareSaveAndRead(dir.filePath("big.txt"));
    compareOpening(dir.filePath("million.txt"));
    compareLists();
    return 0;
}
