#pragma once
// What a path names. Row files are read and written only where it names a regular file (or
// nothing yet): reading a named pipe waits for a writer forever, and no save means replacing
// a device or a folder.
#include <QString>

class QFile;

namespace PathKind {

enum class Kind
{
    Missing, // nothing there, or a link that leads nowhere
    File,    // a regular file
    Folder,
    Pipe,
    Device,
    Socket
};

// Follows symbolic links.
Kind of(const QString& path);
// The kind in a Finnish sentence "X on ...": "kansio", "nimetty putki".
QString describe(Kind kind);
// Opens path for reading, but only a regular file, and never waiting on a pipe or a device
// on the way.
bool openRegularForReading(QFile& file, const QString& path);

} // namespace PathKind
