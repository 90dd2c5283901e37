#include "files/recoverystore.h"
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
constexpr int Slots = 100;

QString copyName(int slot)
{
    return QStringLiteral("palautus-%1.txt").arg(slot);
}
} // namespace

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

RecoveryStore::RecoveryStore(const QString& folder, QObject* parent) : QObject(parent)
{
    if (QDir().mkpath(folder)) {
        // A copy whose program is gone comes first; then the first free slot.
        const QRegularExpression pattern(QStringLiteral("^palautus-(\\d+)\\.txt$"));
        for (const QString& name :
             QDir(folder).entryList({QStringLiteral("palautus-*.txt")}, QDir::Files, QDir::Name)) {
            const QRegularExpressionMatch match = pattern.match(name);
            if (match.hasMatch() && claim(folder, match.captured(1).toInt())) {
                m_leftCopy = true;
                break;
            }
        }
        for (int slot = 1; !m_lock && slot <= Slots; ++slot)
            claim(folder, slot);
    }
    m_thread = std::thread([this] { work(); });
}

RecoveryStore::~RecoveryStore()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

bool RecoveryStore::claim(const QString& folder, int slot)
{
    const QDir dir(folder);
    auto lock =
        std::make_unique<QLockFile>(dir.filePath(QStringLiteral("palautus-%1.lock").arg(slot)));
    // A running program holds its slot however long it runs; only a dead owner frees it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    m_copyPath = dir.filePath(copyName(slot));
    return true;
}

RecoveryCopy::Content RecoveryStore::readLeftCopy() const
{
    return m_leftCopy ? RecoveryCopy::read(m_copyPath) : RecoveryCopy::Content();
}

QString RecoveryStore::setLeftCopyAside()
{
    if (!m_leftCopy)
        return QString();
    m_leftCopy = false;
    const QString base = m_copyPath.chopped(4) + QStringLiteral("-vioittunut");
    QString aside = base + QStringLiteral(".txt");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = base + QStringLiteral("-%1.txt").arg(n);
    if (QFile::rename(m_copyPath, aside))
        return aside;
    m_lock.reset(); // its copy stays untouched; nothing is written in its place
    return QString();
}

void RecoveryStore::save(std::vector<ScoreRow> rows, const QString& listFile)
{
    ask({QString(), true, std::move(rows), listFile});
}

void RecoveryStore::discard()
{
    ask({QString(), false, {}, {}});
}

void RecoveryStore::ask(Job&& job)
{
    // The thread never looks at the slot itself: it may be given up meanwhile.
    if (m_lock)
        job.path = m_copyPath;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting = std::move(job);
    }
    m_wake.notify_all();
}

void RecoveryStore::waitUntilDone()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_waiting && !m_busy; });
}

void RecoveryStore::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_waiting || m_stopping; });
        if (!m_waiting)
            return; // stopping with nothing left to do
        const Job job = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        lock.unlock();
        run(job);
        lock.lock();
        m_busy = false;
        m_wake.notify_all();
    }
}

void RecoveryStore::run(const Job& job)
{
    if (!job.keep) {
        if (!job.path.isEmpty())
            QFile::remove(job.path);
        return;
    }
    QString why;
    if (job.path.isEmpty())
        why = QStringLiteral("Palautuskopiolle ei ole paikkaa: kansiota ei voi tehdä.");
    else if (RecoveryCopy::write(job.path, job.listFile, job.rows, &why))
        return emit saved();
    emit saveFailed(why);
}
