#pragma once
// The probabilities window's inputs kept between runs, as typed, so that the model can be
// made again at the next start without the window being shown.

#include "core/modelinput.h"

namespace ModelSettings {

// "Kerroin1_2": a match's key, match 1..3.
QString matchKey(QLatin1String key, int match);

// Keys never written read as empty boxes.
ModelInputTexts load();
// In one write of the store; returns whether it reached the file.
bool store(const ModelInputTexts& texts);

} // namespace ModelSettings
