#pragma once
// Shared by the fuzz targets: a broken property stops the run at once, so libFuzzer keeps the
// input and the corpus replay fails, in every build type (assert would vanish in Release).
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Takes leading bytes of the input for choices (locale, block size); zero once the input is used
// up, so every input is a valid one.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }
    // The next text up to a NUL byte (or the rest), read as UTF-8.
    QString text()
    {
        size_t length = 0;
        while (length < m_size && m_data[length] != 0)
            ++length;
        const QString result =
            QString::fromUtf8(reinterpret_cast<const char*>(m_data), qsizetype(length));
        const size_t taken = length < m_size ? length + 1 : length;
        m_data += taken;
        m_size -= taken;
        return result;
    }
    // A text of the length given by the next byte, NUL bytes and all, read as UTF-8.
    QString sizedText()
    {
        const size_t length = std::min<size_t>(byte(), m_size);
        const QString result =
            QString::fromUtf8(reinterpret_cast<const char*>(m_data), qsizetype(length));
        m_data += length;
        m_size -= length;
        return result;
    }
    QByteArray rest() const
    {
        return QByteArray(reinterpret_cast<const char*>(m_data), qsizetype(m_size));
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};
