// Writing row files: through QSaveFile where a new file can be made beside the target, else in
// place, but only into room reserved beforehand.
#include "files/pathkind.h"
#include "files/rowfile.h"
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
constexpr size_t WriteBlock = size_t(RowFile::BlockSize);
constexpr size_t LineMax = ScoreRow::MaxTextLength + 2;

bool noTemporaryFile = false;
std::function<int(int, qint64)> reserveHook;
std::function<void(int)> newFileHook;
std::function<int(int)> syncHook;

// Why a save failed, as the player reads it; fallback where the cause has no words of ours.
QString reason(int code, const QString& fallback = {})
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Levyllä ei ole tilaa tiedostolle.");
    case EFBIG:
        return QStringLiteral("Tiedosto olisi suurempi kuin järjestelmä sallii.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Kansioon tai tiedostoon ei ole kirjoitusoikeutta.");
    case EROFS:
        return QStringLiteral("Levylle ei voi kirjoittaa: se on vain luettavissa.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Kansiota ei löydy.");
    case ENAMETOOLONG:
        return QStringLiteral("Tiedoston nimi on liian pitkä.");
    case EIO:
        return QStringLiteral("Levyn lukeminen tai kirjoittaminen epäonnistui.");
    default:
        break;
    }
    if (!fallback.isEmpty())
        return fallback;
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code))
                     : QStringLiteral("Tuntematon virhe.");
}

// Formats the rows into blocks of about WriteBlock and hands each to put, which returns false
// to stop. Returns false when put did.
template <typename Put> bool formatRows(const std::vector<ScoreRow>& rows, Put put)
{
    std::vector<char> buffer(WriteBlock + LineMax);
    size_t used = 0;
    for (ScoreRow row : rows) {
        char* out = buffer.data() + used;
        const int length = row.writeText(out);
        out[length] = '\r';
        out[length + 1] = '\n';
        used += size_t(length) + 2;
        if (used >= WriteBlock) {
            if (!put(buffer.data(), used))
                return false;
            used = 0;
        }
    }
    return used == 0 || put(buffer.data(), used);
}

qint64 contentSize(const std::vector<ScoreRow>& rows)
{
    char text[LineMax];
    qint64 size = 0;
    for (ScoreRow row : rows)
        size += row.writeText(text) + 2;
    return size;
}

// Room for bytes from the start of the file, so that writing them cannot run out of disk.
int reserve(int fd, qint64 bytes)
{
    if (bytes == 0)
        return 0;
    const int code = reserveHook ? reserveHook(fd, bytes) : posix_fallocate(fd, 0, off_t(bytes));
    if (code != EINVAL && code != EOPNOTSUPP)
        return code;
    // A file system that cannot reserve: the free space must hold what the file grows by.
    struct stat file = {};
    struct statvfs disk = {};
    if (::fstat(fd, &file) != 0 || ::fstatvfs(fd, &disk) != 0)
        return errno;
    const qint64 growth = bytes - qint64(file.st_blocks) * 512;
    const qint64 room = qint64(disk.f_bavail) * qint64(disk.f_frsize);
    return growth <= room ? 0 : ENOSPC;
}

// Everything written safely on the disk: 0, or the errno value of the failure. A file system
// that cannot sync (EINVAL) has nothing held back to lose.
int syncToDisk(int fd)
{
    const int code = syncHook ? syncHook(fd) : ::fsync(fd) == 0 ? 0 : errno;
    return code == EINVAL ? 0 : code;
}

bool writeAll(int fd, const char* data, size_t size, qint64& offset)
{
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, size, off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= size_t(done);
        offset += done;
    }
    return true;
}

// The old file is written over, never truncated first: the room for the new content is
// reserved, and the old content is cut to the new length only after it was all written.
bool writeInPlace(const QString& path, const std::vector<ScoreRow>& rows, QString& why)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = reason(errno);
        return false;
    }
    auto failed = [fd, &why](int code, const QString& text = {}) {
        why = text.isEmpty() ? reason(code) : text;
        ::close(fd);
        return false;
    };
    struct stat old = {};
    if (::fstat(fd, &old) != 0)
        return failed(errno);
    if (!S_ISREG(old.st_mode))
        return failed(0, QStringLiteral("Kohde ei ole tavallinen tiedosto."));
    const qint64 size = contentSize(rows);
    if (const int code = reserve(fd, size)) {
        // A reservation that failed part-way may have grown the file; the old bytes are as
        // they were, only the tail goes.
        struct stat now = {};
        if (::fstat(fd, &now) == 0 && now.st_size != old.st_size)
            (void)::ftruncate(fd, old.st_size);
        return failed(code);
    }
    qint64 offset = 0;
    errno = 0;
    const bool written = formatRows(rows, [fd, &offset](const char* data, size_t used) {
        return writeAll(fd, data, used, offset);
    });
    const bool cut = written && ::ftruncate(fd, off_t(size)) == 0;
    const int code = cut ? syncToDisk(fd) : errno;
    if (!cut || code != 0)
        return failed(code, reason(code) + QStringLiteral(" Vanha tiedosto voi olla vioittunut."));
    if (::close(fd) != 0) {
        why = reason(errno);
        return false;
    }
    return true;
}
} // namespace

namespace RowFile {

bool write(const QString& path, const std::vector<ScoreRow>& rows, QString* errorText)
{
    QString why;
    const bool saved = [&] {
        const PathKind::Kind kind = PathKind::of(path);
        if (kind != PathKind::Kind::Missing && kind != PathKind::Kind::File) {
            why = QStringLiteral("Valittu nimi on %1, ei tiedosto.").arg(PathKind::describe(kind));
            return false;
        }
        QSaveFile file(path);
        // errno is read right after each failing call, before anything else can change it.
        auto failed = [&file, &why](int code) {
            why = reason(code, file.errorString());
            file.cancelWriting();
            return false;
        };
        errno = 0;
        // Unbuffered: the blocks are already large, and every failed write shows at once
        // instead of in a flush hidden inside commit().
        if (noTemporaryFile || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            const int code = noTemporaryFile ? EACCES : errno;
            // The folder takes no new file, but the old file itself may still be written.
            if ((code == EACCES || code == EPERM) && kind == PathKind::Kind::File)
                return writeInPlace(path, rows, why);
            why = reason(code, file.errorString());
            return false;
        }
        if (newFileHook)
            newFileHook(file.handle());
        const bool written = formatRows(rows, [&file](const char* data, size_t used) {
            errno = 0;
            return file.write(data, qint64(used)) == qint64(used);
        });
        if (!written)
            return failed(errno);
        // commit() syncs too but passes over a failure, and a disk that fills only while the
        // written blocks go down (delayed allocation, network file systems) says so only here:
        // the new file must not take the old one's place then.
        if (const int code = syncToDisk(file.handle()))
            return failed(code);
        errno = 0;
        if (!file.commit()) {
            const int code = errno;
            why = reason(code, file.errorString());
            return false;
        }
        return true;
    }();
    if (!saved && errorText)
        *errorText = why;
    return saved;
}

bool writeRows(QIODevice& device, const std::vector<ScoreRow>& rows)
{
    return formatRows(rows, [&device](const char* data, size_t used) {
        return device.write(data, qint64(used)) == qint64(used);
    });
}

namespace Testing {
void setNoTemporaryFile(bool on)
{
    noTemporaryFile = on;
}

void setReserve(std::function<int(int, qint64)> reserve)
{
    reserveHook = std::move(reserve);
}

void setNewFileOpened(std::function<void(int fd)> opened)
{
    newFileHook = std::move(opened);
}

void setSync(std::function<int(int fd)> sync)
{
    syncHook = std::move(sync);
}
} // namespace Testing

} // namespace RowFile
