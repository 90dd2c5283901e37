#pragma once
// Whether another copy of the program is running, behind an interface so tests decide it.
// The desktop version holds a lock file for as long as it lives: create it once at start-up.
#include <QLockFile>
#include <QString>

class InstanceCheck
{
public:
    virtual ~InstanceCheck() = default;
    virtual bool otherCopyRunning() = 0;
};

class LockFileInstanceCheck final : public InstanceCheck
{
public:
    // Claims the lock at once if it is free.
    explicit LockFileInstanceCheck(const QString& path = defaultPath());
    bool otherCopyRunning() override;

    // A per-user file in the runtime folder.
    static QString defaultPath();

private:
    QLockFile m_lock;
};
