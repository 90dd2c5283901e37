#include "core/random.h"

GeneratorRandom::GeneratorRandom() : m_generator(QRandomGenerator::securelySeeded()) {}

GeneratorRandom::GeneratorRandom(quint64 seed) : m_generator(quint32(seed ^ (seed >> 32))) {}

double GeneratorRandom::next()
{
    double r = m_generator.generateDouble();
    return r < 1.0 ? r : 0.0;
}

RandomSource& programRandom()
{
    static GeneratorRandom random;
    return random;
}
