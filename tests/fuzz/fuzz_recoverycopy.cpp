// A recovery copy is read whole or not at all: what reads as whole writes back to a copy that
// reads the same.
#include "files/recoverycopy.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath("palautus.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    const RecoveryCopy::Content copy = RecoveryCopy::read(path);
    if (!copy.ok) {
        FUZZ_CHECK(copy.rows.empty());
        return 0;
    }
    FUZZ_CHECK(!copy.rows.empty());
    for (ScoreRow row : copy.rows)
        FUZZ_CHECK(row.matchCount() == copy.columnCount);
    const QString again = dir.filePath("uudelleen.txt");
    FUZZ_CHECK(RecoveryCopy::write(again, copy.listFile, copy.rows));
    const RecoveryCopy::Content reread = RecoveryCopy::read(again);
    FUZZ_CHECK(reread.ok && reread.listFile == copy.listFile && reread.rows == copy.rows);
    return 0;
}
