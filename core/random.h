#pragma once
#include <QtGlobal>
#include <cstddef>

// Source of uniform numbers in [0, 1). The program uses one generator seeded once from the
// system's entropy, so draws made within one clock tick never repeat each other; tests pass
// a seeded one.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // The next count numbers into out, exactly as count calls of next() would give them: one
    // call where many numbers are drawn in a row.
    virtual void fill(double* out, size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            out[i] = next();
    }

    // A whole number from 0 to x: the integer part of (x + 1) * r.
    int upTo(int x) { return int((x + 1) * next()); }
    // A whole number from 1 to m.
    int oneTo(int m) { return int(next() * m + 1); }
};

// xoshiro256**: a few shifts and multiplications a number, and a period no draw comes near.
class GeneratorRandom final : public RandomSource
{
public:
    GeneratorRandom(); // seeded from the system's entropy
    // The same seed gives the same numbers on every machine.
    explicit GeneratorRandom(quint64 seed);
    double next() override { return double(nextBits() >> 11) * 0x1.0p-53; }
    void fill(double* out, size_t count) override;

private:
    quint64 nextBits()
    {
        const quint64 result = rotateLeft(m_state[1] * 5, 7) * 9;
        const quint64 t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotateLeft(m_state[3], 45);
        return result;
    }
    static quint64 rotateLeft(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }

    quint64 m_state[4];
};

// The program-wide generator.
RandomSource& programRandom();
