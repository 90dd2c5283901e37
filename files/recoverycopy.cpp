#include "files/recoverycopy.h"
#include "files/pathkind.h"
#include "files/rowfile.h"
#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace {
const QByteArray Mark = QByteArrayLiteral("SARVENTO-PALAUTUS 1 ");
// The list's file name is percent-encoded, so any name keeps the header one line.
constexpr qint64 HeaderMax = 64 * 1024;
} // namespace

namespace RecoveryCopy {

bool write(const QString& path, const QString& listFile, const std::vector<ScoreRow>& rows,
           QString* why)
{
    QSaveFile file(path);
    const QByteArray header = Mark + QByteArray::number(qulonglong(rows.size())) + ' ' +
                              QUrl::toPercentEncoding(listFile) + "\r\n";
    const bool written = file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
                         RowFile::writeRows(file, rows) && file.commit();
    if (!written && why)
        *why = file.errorString();
    return written;
}

Content read(const QString& path)
{
    Content copy;
    QFile file;
    if (!PathKind::openRegularForReading(file, path))
        return copy;
    const QByteArray header = file.readLine(HeaderMax);
    if (!header.startsWith(Mark) || !header.endsWith("\r\n"))
        return copy;
    const QList<QByteArray> fields = header.mid(Mark.size()).chopped(2).split(' ');
    bool counted = false;
    const qulonglong count = fields.value(0).toULongLong(&counted);
    if (fields.size() != 2 || !counted)
        return copy;
    RowFile::ReadResult rows = RowFile::read(file);
    if (rows.status != RowFile::Status::Ok || rows.rows.size() != count || count == 0)
        return copy;
    copy.ok = true;
    copy.listFile = QUrl::fromPercentEncoding(fields[1]);
    copy.rows = std::move(rows.rows);
    copy.columnCount = rows.columnCount;
    return copy;
}

} // namespace RecoveryCopy
