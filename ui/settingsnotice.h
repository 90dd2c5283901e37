#pragma once
class QWidget;

namespace SettingsNotice {
// From now on, the first setting of the run that cannot be stored is told to the player, over
// whatever window is in front (the start-up notice, say) or else over mainWindow. The choice
// still holds until the program ends; only the next start forgets it.
void install(QWidget* mainWindow);
} // namespace SettingsNotice
