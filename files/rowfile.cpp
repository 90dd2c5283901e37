#include "files/rowfile.h"
#include "files/pathkind.h"
#include <QFile>
#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {
// The shortest line, "0-0 0-0" and a bare line end: no file holds more rows than this allows.
constexpr qint64 ShortestLine = 8;
// Reserving for the whole file up front saves growth copies, but only up to a bound: the
// size of a file says nothing about whether memory has room for it.
constexpr size_t MaxReservedRows = 4u << 20;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

RowFile::ReadResult failed(RowFile::Status status)
{
    RowFile::ReadResult result;
    result.status = status;
    return result;
}
} // namespace

namespace RowFile {

ReadResult readRows(QIODevice& file, const Progress& progress, qint64 blockSize)
{
    ReadResult result;
    const qint64 total = file.size();
    if (total / ShortestLine > qint64(std::numeric_limits<int>::max()))
        return failed(Status::TooLarge);
    result.rows.reserve(std::min(size_t(total / ShortestLine + 1), MaxReservedRows));

    // A line cut by the end of a block is moved to the front of the buffer; a row text is at
    // most MaxTextLength bytes, so anything longer is bad data whatever follows.
    blockSize = std::max<qint64>(blockSize, 1);
    std::vector<char> buffer(size_t(ScoreRow::MaxTextLength + blockSize));
    size_t carried = 0;
    bool skipLineFeed = false; // the previous line ended at CR: a LF right after it is part of it
    qint64 done = 0;
    // Looked for before the first block, which may be too short to hold all of it.
    if (file.peek(3) == "\xEF\xBB\xBF")
        done = file.skip(3);

    auto takeLine = [&result](const char* begin, const char* end) {
        const std::optional<ScoreRow> row = ScoreRow::fromLatin1(begin, end - begin);
        if (!row)
            return false;
        if (result.columnCount == 0)
            result.columnCount = row->matchCount();
        else if (row->matchCount() != result.columnCount)
            return false;
        result.rows.push_back(*row);
        return true;
    };
    // NUL bytes never appear in text: such a file is not a row file that went wrong, it is no
    // row file at all.
    auto badData = [&](const char* blockEnd) {
        const bool binary = std::memchr(buffer.data(), 0, size_t(blockEnd - buffer.data()));
        return failed(binary ? Status::CannotOpen : Status::BadData);
    };

    while (true) {
        const qint64 got = file.read(buffer.data() + carried, blockSize);
        if (got < 0)
            return failed(Status::CannotOpen);
        if (got == 0)
            break;
        done += got;
        const char* p = buffer.data();
        const char* end = p + carried + got;
        if (skipLineFeed && p < end) {
            if (*p == '\n')
                ++p;
            skipLineFeed = false;
        }
        while (true) {
            const char* lineEnd = p;
            while (lineEnd < end && !isLineEnd(*lineEnd))
                ++lineEnd;
            if (lineEnd == end)
                break;
            if (!takeLine(p, lineEnd))
                return badData(end);
            p = lineEnd + 1;
            if (*lineEnd == '\r') {
                if (p == end) {
                    skipLineFeed = true;
                    break;
                }
                if (*p == '\n')
                    ++p;
            }
        }
        carried = size_t(end - p);
        if (carried > size_t(ScoreRow::MaxTextLength))
            return badData(end);
        std::memmove(buffer.data(), p, carried);
        if (progress && !progress(done, total))
            return failed(Status::Cancelled);
    }
    // The last line may lack its line end.
    if (carried > 0 && !takeLine(buffer.data(), buffer.data() + carried))
        return badData(buffer.data() + carried);
    result.status = Status::Ok;
    return result;
}

ReadResult read(QIODevice& device, const Progress& progress, qint64 blockSize)
{
    try {
        return readRows(device, progress, blockSize);
    } catch (const std::bad_alloc&) {
        // The rows read so far are freed with the failed result; the caller's list is untouched.
        return failed(Status::TooLarge);
    }
}

ReadResult read(const QString& path, const Progress& progress)
{
    QFile file;
    if (!PathKind::openRegularForReading(file, path))
        return failed(Status::CannotOpen);
    return read(file, progress);
}

} // namespace RowFile
