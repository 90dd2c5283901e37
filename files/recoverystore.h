#pragma once
// Where a running program keeps the recovery copy of its unsaved list. Each running program
// claims a slot of its own in the folder (a lock file it holds while it runs, and the copy
// beside it), so a second program never writes, takes or removes the first one's copy. A slot
// whose copy is there but whose lock is free was left by a program that ended without closing:
// the next program to start claims that one first and offers its rows back.
//
// Copies are written on a thread of the store's own, the newest wanted copy first: a list of
// millions takes a while to write, and the window goes on meanwhile.
#include "core/scorerow.h"
#include "files/recoverycopy.h"
#include <QObject>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QLockFile;

class RecoveryStore : public QObject
{
    Q_OBJECT
public:
    // The per-user data folder.
    static QString defaultFolder();

    explicit RecoveryStore(const QString& folder = defaultFolder(), QObject* parent = nullptr);
    // Finishes the copy asked for last; the copy stays for the next start.
    ~RecoveryStore() override;

    // False when no slot could be claimed (the folder cannot be made); every save fails then.
    bool isClaimed() const { return m_lock != nullptr; }
    QString copyPath() const { return m_copyPath; }

    // Whether the claimed slot held a copy left by a program that ended without closing.
    bool hasLeftCopy() const { return m_leftCopy; }
    RecoveryCopy::Content readLeftCopy() const;
    // Moves a left copy that cannot be read out of the way under a name of its own, so that it
    // is neither offered again nor written over; returns that name, empty when it could not
    // be moved (the slot is given up then, and the copy kept where it is).
    QString setLeftCopyAside();

    // The copy to keep, in the background; a copy asked for while another is being written
    // replaces any still waiting.
    void save(std::vector<ScoreRow> rows, const QString& listFile);
    // No copy is kept: removed once any copy being written is done.
    void discard();
    // Returns once everything asked for is done.
    void waitUntilDone();

signals:
    // From the store's thread: a copy was written, or could not be (why in the player's words).
    void saved();
    void saveFailed(const QString& why);

private:
    struct Job
    {
        QString path;      // empty without a slot
        bool keep = false; // else the copy goes
        std::vector<ScoreRow> rows;
        QString listFile;
    };
    bool claim(const QString& folder, int slot);
    void ask(Job&& job);
    void work();
    void run(const Job& job);

    std::unique_ptr<QLockFile> m_lock;
    QString m_copyPath;
    bool m_leftCopy = false;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
