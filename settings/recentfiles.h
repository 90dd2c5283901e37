#pragma once
#include <QStringList>

// The row files last opened or saved, newest first, kept in the settings store. One file
// is listed once however its path was spelt (relative, through a link): paths are compared
// by where they lead.
class RecentFiles
{
public:
    static constexpr int Limit = 5;

    static RecentFiles load();

    // Puts path first (moving it there if listed already), drops the oldest beyond the
    // limit, and stores the list.
    void add(const QString& path);
    // Takes path off the list and stores it; a vanished file can still be taken off.
    void remove(const QString& path);

    const QStringList& paths() const { return m_paths; }

private:
    void save() const;

    QStringList m_paths;
};
