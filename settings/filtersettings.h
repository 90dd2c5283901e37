#pragma once
// The filter window's conditions kept between runs, as typed.

#include "core/rowfilter.h"

namespace FilterSettings {

// Keys never written read as a new window has them: empty boxes, every outcome ticked, keep.
RowFilterTexts load();
// In one write of the store; returns whether it reached the file.
bool store(const RowFilterTexts& texts);

} // namespace FilterSettings
