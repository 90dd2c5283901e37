// Row files from anywhere: read in tiny blocks they give what a plain whole-file reading gives,
// every row read is written back in its own canonical text, and a written file reads back equal.
#include "files/rowfile.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace {
struct Lines
{
    std::vector<QByteArray> lines;
    bool ok = true;
};

// The format read the simple way, as the reference: an optional byte-order mark, lines ended
// by CR LF, LF or CR, the last line end optional, every line a row text of one width.
Lines splitLines(QByteArray content)
{
    Lines result;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        result.lines.push_back(content.mid(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        result.lines.push_back(content.mid(start));
    return result;
}

RowFile::ReadResult readBytes(const QByteArray& content, qint64 blockSize,
                              std::vector<qint64>* doneSeen = nullptr)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    return RowFile::read(
        buffer,
        [&](qint64 done, qint64 total) {
            FUZZ_CHECK(total == content.size());
            if (doneSeen)
                doneSeen->push_back(done);
            return true;
        },
        blockSize);
}

bool sameRows(const RowFile::ReadResult& a, const RowFile::ReadResult& b)
{
    return a.status == b.status && a.rows == b.rows && a.columnCount == b.columnCount;
}

void checkWrittenBack(const std::vector<ScoreRow>& rows, int columnCount)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("rows.txt"));
    QString error;
    FUZZ_CHECK(RowFile::write(path, rows, &error));
    QByteArray expected;
    for (ScoreRow row : rows)
        expected += row.text().toLatin1() + "\r\n";
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    FUZZ_CHECK(file.readAll() == expected);
    const RowFile::ReadResult again = RowFile::read(path);
    FUZZ_CHECK(again.status == RowFile::Status::Ok);
    FUZZ_CHECK(again.rows == rows);
    FUZZ_CHECK(again.columnCount == columnCount);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const qint64 blockSize = 1 + input.byte() % 32;
    const QByteArray content = input.rest();

    // One block holding the whole file, as any file under the real block size is read.
    const RowFile::ReadResult whole = readBytes(content, content.size() + 1);
    std::vector<qint64> doneSeen;
    const RowFile::ReadResult pieces = readBytes(content, blockSize, &doneSeen);

    const Lines reference = splitLines(content);
    std::vector<ScoreRow> rows;
    bool ok = true;
    for (const QByteArray& line : reference.lines) {
        const std::optional<ScoreRow> row = ScoreRow::fromLatin1(line.constData(), line.size());
        if (!row || (!rows.empty() && row->matchCount() != rows.front().matchCount())) {
            ok = false;
            break;
        }
        // Rows are read strictly: a row's own text is the line it came from, nothing else.
        FUZZ_CHECK(row->text().toLatin1() == line);
        FUZZ_CHECK(ScoreRow::fromText(QString::fromLatin1(line)) == row);
        rows.push_back(*row);
    }

    if (!ok) {
        // A NUL anywhere in what was read marks no row file at all; any other failure is bad
        // data. Read in pieces, the failure may come before a later NUL is read.
        const bool binary = content.contains('\0');
        FUZZ_CHECK(whole.status ==
                   (binary ? RowFile::Status::CannotOpen : RowFile::Status::BadData));
        FUZZ_CHECK(pieces.status == RowFile::Status::BadData ||
                   (binary && pieces.status == RowFile::Status::CannotOpen));
        FUZZ_CHECK(whole.rows.empty() && pieces.rows.empty());
        return 0;
    }
    FUZZ_CHECK(whole.status == RowFile::Status::Ok);
    FUZZ_CHECK(whole.rows == rows);
    FUZZ_CHECK(whole.columnCount == (rows.empty() ? 0 : rows.front().matchCount()));
    FUZZ_CHECK(sameRows(whole, pieces));
    // Progress counts every byte once, the byte-order mark too.
    if (doneSeen.empty())
        FUZZ_CHECK(content.isEmpty() || content == "\xEF\xBB\xBF");
    else
        FUZZ_CHECK(doneSeen.back() == content.size());
    checkWrittenBack(rows, whole.columnCount);
    return 0;
}
