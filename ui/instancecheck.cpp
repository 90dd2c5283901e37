#include "ui/instancecheck.h"
#include <QDir>
#include <QStandardPaths>

LockFileInstanceCheck::LockFileInstanceCheck(const QString& path) : m_lock(path)
{
    // A running copy keeps its lock however old it is; only a dead owner frees it.
    m_lock.setStaleLockTime(0);
    m_lock.tryLock(0);
}

bool LockFileInstanceCheck::otherCopyRunning()
{
    // The copy that held the lock may have ended since; then this one takes it over.
    return !m_lock.isLocked() && !m_lock.tryLock(0);
}

QString LockFileInstanceCheck::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("SarVento.lock"));
}
