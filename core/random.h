#pragma once
#include <QRandomGenerator64>
#include <memory>

// Source of uniform numbers in [0, 1). The program uses one generator seeded once from the
// system's entropy, so draws made within one clock tick never repeat each other; tests pass
// a seeded one.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;

    // A whole number from 0 to x: the integer part of (x + 1) * r.
    int upTo(int x) { return int((x + 1) * next()); }
    // A whole number from 1 to m.
    int oneTo(int m) { return int(next() * m + 1); }
};

class GeneratorRandom : public RandomSource
{
public:
    GeneratorRandom(); // seeded from the system's entropy
    explicit GeneratorRandom(quint64 seed);
    double next() override;

private:
    QRandomGenerator64 m_generator;
};

// The program-wide generator.
RandomSource& programRandom();
