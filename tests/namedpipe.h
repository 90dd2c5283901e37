#pragma once
// A named pipe for tests of what opens it. Opening a pipe for reading waits for a writer: one
// comes after a while, so that code that waits fails its test instead of hanging it.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class NamedPipe
{
public:
    explicit NamedPipe(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_writer = std::thread([this] {
            using namespace std::chrono_literals;
            for (int i = 0; i < 100 && !m_done; ++i) {
                std::this_thread::sleep_for(50ms);
                // Succeeds only while a reader waits in its open.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                    m_rescued = true;
                    return;
                }
            }
        });
    }
    ~NamedPipe()
    {
        m_done = true;
        m_writer.join();
    }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    bool made() const { return m_made; }
    // Whether a reader waited for a writer.
    bool waitedFor() const { return m_rescued; }

private:
    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_rescued{false};
    std::thread m_writer;
};
