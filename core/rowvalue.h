#pragma once
#include "core/scorerow.h"

// A row's value: its expected return per euro staked on it, from the chances of the scores and
// how the pool's stakes are spread over them. Above 1 the bet has a positive expectation.
class RowValue
{
public:
    virtual ~RowValue() = default;
    virtual double value(ScoreRow row) const = 0;
};
