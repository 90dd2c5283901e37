#include "core/random.h"
#include <QRandomGenerator>

GeneratorRandom::GeneratorRandom()
{
    QRandomGenerator::system()->fillRange(m_state);
    // The one state the generator cannot leave; the system will not give it, but be sure.
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0)
        m_state[0] = 1;
}

GeneratorRandom::GeneratorRandom(quint64 seed)
{
    // splitmix64 spreads one number over the four words of the state, never all zero.
    for (quint64& word : m_state) {
        seed += 0x9e3779b97f4a7c15ULL;
        quint64 z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        word = z ^ (z >> 31);
    }
}

void GeneratorRandom::fill(double* out, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        out[i] = double(nextBits() >> 11) * 0x1.0p-53;
}

RandomSource& programRandom()
{
    static GeneratorRandom random;
    return random;
}
