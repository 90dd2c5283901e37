#pragma once
// Every section and key of the settings store, in one place for every reader and writer.
#include <QLatin1String>

namespace SettingsKeys {
// Start-up switches.
inline constexpr QLatin1String Rekisteri{"Rekisteri"};
inline constexpr QLatin1String Hyvaksy{"Hyvaksy"};
inline constexpr QLatin1String AlaNaytaInfoa{"AlaNaytaInfoa"};
inline constexpr QLatin1String Varoitus{"Varoitus"};

// Coupon print offsets in millimetres, as text in the user's number format.
inline constexpr QLatin1String Tulostus{"Tulostus"};
inline constexpr QLatin1String VaakaReuna{"VaakaReuna"};
inline constexpr QLatin1String PystyReuna{"PystyReuna"};

// Net play: the host of the operator's order address.
inline constexpr QLatin1String Verkko{"Verkko"};
inline constexpr QLatin1String Palvelin{"Palvelin"};

// The row files last opened or saved, newest first, as one list.
inline constexpr QLatin1String Tiedostot{"Tiedostot"};
inline constexpr QLatin1String ViimeksiAvatut{"ViimeksiAvatut"};
} // namespace SettingsKeys
