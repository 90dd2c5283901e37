#pragma once
#include <cmath>

// Neumaier's compensated sum: millions of small probabilities added (and taken away again)
// keep the precision of a single addition.
class CompensatedSum
{
public:
    void add(double value)
    {
        const double t = m_sum + value;
        if (std::fabs(m_sum) >= std::fabs(value))
            m_compensation += (m_sum - t) + value;
        else
            m_compensation += (value - t) + m_sum;
        m_sum = t;
    }
    double value() const { return m_sum + m_compensation; }
    void clear() { m_sum = m_compensation = 0; }

private:
    double m_sum = 0;
    double m_compensation = 0;
};
