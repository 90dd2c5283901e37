#include "settings/recentfiles.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
// Where a path leads; a file that is gone has no canonical path, so its absolute one stands.
QString identity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

void removeSame(QStringList& paths, const QString& identityOf)
{
    paths.removeIf([&](const QString& listed) { return identity(listed) == identityOf; });
}
} // namespace

RecentFiles RecentFiles::load()
{
    RecentFiles files;
    // The store may have been edited by hand: keep it to the rules the list itself keeps.
    const QStringList stored =
        SettingsStore::readList(SettingsKeys::Tiedostot, SettingsKeys::ViimeksiAvatut);
    for (const QString& path : stored) {
        if (path.isEmpty() || files.m_paths.size() == Limit)
            continue;
        const QString id = identity(path);
        if (std::none_of(files.m_paths.cbegin(), files.m_paths.cend(),
                         [&](const QString& listed) { return identity(listed) == id; }))
            files.m_paths << path;
    }
    return files;
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString id = identity(path);
    removeSame(m_paths, id);
    m_paths.prepend(id);
    while (m_paths.size() > Limit)
        m_paths.removeLast();
    save();
}

void RecentFiles::remove(const QString& path)
{
    const qsizetype before = m_paths.size();
    m_paths.removeAll(path);
    removeSame(m_paths, identity(path));
    if (m_paths.size() != before)
        save();
}

void RecentFiles::save() const
{
    SettingsStore::writeList(SettingsKeys::Tiedostot, SettingsKeys::ViimeksiAvatut, m_paths);
}
