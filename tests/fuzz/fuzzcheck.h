#pragma once
// A broken property aborts in every build type (assert vanishes in Release), so libFuzzer keeps
// the input and the corpus replay fails.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void()                                                                          \
                 : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition),   \
                    std::abort()))

// Leading bytes are choices; zero once the input is used up, so every input is a valid one.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_rest(reinterpret_cast<const char*>(data), qsizetype(size))
    {
    }
    uint8_t byte() { return m_rest.isEmpty() ? 0 : uint8_t(take(1)[0]); }
    // Up to the next NUL byte, which is dropped.
    QString text()
    {
        const qsizetype end = m_rest.indexOf('\0');
        const QString text = QString::fromUtf8(take(end < 0 ? m_rest.size() : end));
        take(1);
        return text;
    }
    // As long as the next byte says, NUL bytes and all.
    QString sizedText() { return QString::fromUtf8(take(byte())); }
    QByteArray rest() const { return m_rest; }

private:
    QByteArray take(qsizetype length)
    {
        const QByteArray head = m_rest.left(length);
        m_rest.remove(0, head.size());
        return head;
    }
    QByteArray m_rest;
};
