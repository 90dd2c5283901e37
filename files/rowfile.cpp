#include "files/rowfile.h"
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace {
constexpr qint64 BlockSize = 1 << 20;

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

ReadResult read(const QString& path, const Progress& progress)
{
    if (QFileInfo(path).isDir())
        return failed(Status::CannotOpen);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Status::CannotOpen);

    ReadResult result;
    const qint64 total = file.size();
    result.rows.reserve(size_t(total / 9 + 1)); // "0-0 0-0\r\n", the shortest line

    // A line cut by the end of a block is moved to the front of the buffer; a row text is at
    // most MaxTextLength bytes, so anything longer is bad data whatever follows.
    std::vector<char> buffer(size_t(ScoreRow::MaxTextLength + BlockSize));
    size_t carried = 0;
    bool skipLineFeed = false; // the previous line ended at CR: a LF right after it is part of it
    qint64 done = 0;

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
        const qint64 got = file.read(buffer.data() + carried, BlockSize);
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

bool write(const QString& path, const std::vector<ScoreRow>& rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    constexpr size_t LineMax = ScoreRow::MaxTextLength + 2;
    std::vector<char> buffer(size_t(BlockSize) + LineMax);
    size_t used = 0;
    for (ScoreRow row : rows) {
        char* out = buffer.data() + used;
        const int length = row.writeText(out);
        out[length] = '\r';
        out[length + 1] = '\n';
        used += size_t(length) + 2;
        if (used >= size_t(BlockSize)) {
            if (file.write(buffer.data(), qint64(used)) != qint64(used)) {
                file.cancelWriting();
                return false;
            }
            used = 0;
        }
    }
    if (used > 0 && file.write(buffer.data(), qint64(used)) != qint64(used)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace RowFile
