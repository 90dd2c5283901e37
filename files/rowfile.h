#pragma once
// The row text file: one row text per line, no header. Files of millions of rows are common
// (whole systems), so reading parses the raw bytes in large blocks and writing formats into a
// buffer; neither builds a QString per line.

#include "core/scorerow.h"
#include <QIODevice>
#include <QString>
#include <functional>
#include <vector>

namespace RowFile {

enum class Status
{
    Ok,
    CannotOpen, // missing, unreadable, a folder, or not a text file at all
    BadData,    // a line that is not a row text, or rows of different widths
    TooLarge,   // more rows than a list can hold, or than memory has room for
    Cancelled   // the progress callback asked to stop
};

struct ReadResult
{
    Status status = Status::CannotOpen;
    std::vector<ScoreRow> rows; // empty unless status is Ok
    int columnCount = 0;        // matches per row; 0 for an empty file
};

// Called after each block read; returning false stops the reading.
using Progress = std::function<bool(qint64 bytesDone, qint64 bytesTotal)>;

// A line ends at CR LF, a bare LF or a bare CR. A UTF-8 byte-order mark at the very start
// (some editors write one) is passed over. Every line must be a row text and all rows of
// one file have the same number of matches; an empty line (other than after the final line
// end) is bad data.
ReadResult read(const QString& path, const Progress& progress = {});

// Files are read in blocks of this size.
inline constexpr qint64 BlockSize = 1 << 20;
// The same reading from an open device, in blocks of blockSize bytes (at least 1): a row may
// be cut by any block boundary, so the rows read never depend on the block size.
ReadResult read(QIODevice& device, const Progress& progress = {}, qint64 blockSize = BlockSize);

// Writes every row followed by CR LF. The file is replaced only when everything was written
// and synced, so a failure leaves any old file as it was. Where no new file can be made beside
// an existing writable one, that file is written in place, but only once room for the whole
// new content is reserved; without room it is left untouched. Only a regular file (or a new
// one) is written. On failure, errorText (if given) says why in the player's words: a full
// disk, a folder without write access, a missing folder.
bool write(const QString& path, const std::vector<ScoreRow>& rows, QString* errorText = nullptr);

// The rows as write() puts them, into an open device; false when the device took a block short.
bool writeRows(QIODevice& device, const std::vector<ScoreRow>& rows);

// Seams for tests: the save in place is reached only where a folder refuses new files, which
// no test running as root can arrange by permissions.
namespace Testing {
// While on, every save behaves as if no new file could be made beside its target.
void setNoTemporaryFile(bool on);
// Stands in for posix_fallocate while set: returns 0 or the errno value of the failure.
void setReserve(std::function<int(int fd, qint64 bytes)> reserve);
// Called with the descriptor of the new file made beside the target before anything is
// written to it, e.g. to put /dev/full in its place.
void setNewFileOpened(std::function<void(int fd)> opened);
// Stands in for fsync while set: returns 0 or the errno value of the failure.
void setSync(std::function<int(int fd)> sync);
} // namespace Testing

} // namespace RowFile
