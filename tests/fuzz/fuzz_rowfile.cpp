// Row files read in tiny blocks give what a simple whole-file reading gives, and every row is
// its line's own canonical text.
#include "files/rowfile.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QBuffer>
#include <vector>

namespace {
// The reference: an optional byte-order mark, lines ended by CR LF, LF or CR or the end.
std::vector<QByteArray> splitLines(QByteArray content)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        lines.push_back(content.mid(start, i - start));
        i += content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n';
        start = i + 1;
    }
    if (start < content.size())
        lines.push_back(content.mid(start));
    return lines;
}

RowFile::ReadResult readBytes(QByteArray content, qint64 blockSize, qint64* lastDone)
{
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    const auto progress = [&](qint64 done, qint64 total) {
        FUZZ_CHECK(total == content.size());
        *lastDone = done;
        return true;
    };
    return RowFile::read(buffer, progress, blockSize);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const qint64 blockSize = 1 + input.byte() % 32;
    const QByteArray content = input.rest();
    qint64 wholeDone = 0, piecesDone = 0;
    const RowFile::ReadResult whole = readBytes(content, content.size() + 1, &wholeDone);
    const RowFile::ReadResult pieces = readBytes(content, blockSize, &piecesDone);

    std::vector<ScoreRow> rows;
    for (const QByteArray& line : splitLines(content)) {
        const std::optional<ScoreRow> row = ScoreRow::fromLatin1(line.constData(), line.size());
        if (!row || (!rows.empty() && row->matchCount() != rows.front().matchCount())) {
            // A NUL marks no row file at all; read in pieces, a bad line may come first.
            const bool binary = content.contains('\0');
            FUZZ_CHECK(whole.status ==
                       (binary ? RowFile::Status::CannotOpen : RowFile::Status::BadData));
            FUZZ_CHECK(pieces.status == RowFile::Status::BadData ||
                       (binary && pieces.status == RowFile::Status::CannotOpen));
            FUZZ_CHECK(whole.rows.empty() && pieces.rows.empty());
            return 0;
        }
        FUZZ_CHECK(row->text().toLatin1() == line);
        rows.push_back(*row);
    }
    const int columns = rows.empty() ? 0 : rows.front().matchCount();
    FUZZ_CHECK(whole.status == RowFile::Status::Ok && whole.rows == rows);
    FUZZ_CHECK(pieces.status == RowFile::Status::Ok && pieces.rows == rows);
    FUZZ_CHECK(whole.columnCount == columns && pieces.columnCount == columns);
    // Progress counts every byte once, the byte-order mark too.
    FUZZ_CHECK(piecesDone == content.size() || content.isEmpty() || content == "\xEF\xBB\xBF");

    return 0;
}
