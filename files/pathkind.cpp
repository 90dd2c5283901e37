#include "files/pathkind.h"
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PathKind {

namespace {
Kind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::File;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISFIFO(mode))
        return Kind::Pipe;
    if (S_ISSOCK(mode))
        return Kind::Socket;
    return Kind::Device; // character and block devices
}
} // namespace

Kind of(const QString& path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return Kind::Missing;
    return kindOf(info.st_mode);
}

QString describe(Kind kind)
{
    switch (kind) {
    case Kind::Missing:
        break;
    case Kind::File:
        return QStringLiteral("tiedosto");
    case Kind::Folder:
        return QStringLiteral("kansio");
    case Kind::Pipe:
        return QStringLiteral("nimetty putki");
    case Kind::Device:
        return QStringLiteral("laite");
    case Kind::Socket:
        return QStringLiteral("pistoke");
    }
    return QStringLiteral("poissa");
}

bool openRegularForReading(QFile& file, const QString& path)
{
    // Opening a device can do something of its own (a tape rewinds), so nothing but a regular
    // file is opened. Non-blocking still, so that a pipe put in its place after this check
    // cannot hold us; what was opened is checked again.
    if (of(path) != Kind::File)
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || kindOf(info.st_mode) != Kind::File) {
        ::close(fd);
        return false;
    }
    // A regular file ignores the non-blocking flag; clearing it keeps reads ordinary anyway.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace PathKind
