#pragma once
// The stake distribution window's inputs kept between runs, as typed, so that the values can
// be made again at the next start without the window being shown.

#include "core/poolvalue.h"

namespace DistributionSettings {

// Keys never written read as empty boxes.
DistributionTexts load();
// In one write of the store; returns whether it reached the file.
bool store(const DistributionTexts& texts);

} // namespace DistributionSettings
