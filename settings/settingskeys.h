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

// The probabilities window's inputs as typed. The keys of a match's boxes end in the match's
// number, "Kerroin1_2" for odds 1 of match 2 (ModelSettings::matchKey).
inline constexpr QLatin1String Todennakoisyydet{"Todennakoisyydet"};
inline constexpr QLatin1String Kerroin1{"Kerroin1"};
inline constexpr QLatin1String KerroinX{"KerroinX"};
inline constexpr QLatin1String Kerroin2{"Kerroin2"};
inline constexpr QLatin1String Yli{"Yli"};
inline constexpr QLatin1String Alle{"Alle"};
inline constexpr QLatin1String OdotusKoti{"OdotusKoti"};
inline constexpr QLatin1String OdotusVieras{"OdotusVieras"};
inline constexpr QLatin1String Rho{"Rho"};

// The stake distribution window's inputs as typed: each match's table ("Jakauma_2") and the
// pool's stakes, return per cent and jackpot.
inline constexpr QLatin1String Pelijakauma{"Pelijakauma"};
inline constexpr QLatin1String Jakauma{"Jakauma"};
inline constexpr QLatin1String Vaihto{"Vaihto"};
inline constexpr QLatin1String Palautus{"Palautus"};
inline constexpr QLatin1String Potti{"Potti"};
// The filter window's conditions as typed. The keys of a match's boxes end in the match's
// number, as the probabilities' do; the ticks and the choice read "True" or "False".
inline constexpr QLatin1String Karsinta{"Karsinta"};
inline constexpr QLatin1String Merkki1{"Merkki1"};
inline constexpr QLatin1String MerkkiX{"MerkkiX"};
inline constexpr QLatin1String Merkki2{"Merkki2"};
inline constexpr QLatin1String MaalitMin{"MaalitMin"};
inline constexpr QLatin1String MaalitMax{"MaalitMax"};
inline constexpr QLatin1String EroMin{"EroMin"};
inline constexpr QLatin1String EroMax{"EroMax"};
inline constexpr QLatin1String RiviMaalitMin{"RiviMaalitMin"};
inline constexpr QLatin1String RiviMaalitMax{"RiviMaalitMax"};
inline constexpr QLatin1String KotivoitotMin{"KotivoitotMin"};
inline constexpr QLatin1String KotivoitotMax{"KotivoitotMax"};
inline constexpr QLatin1String TasapelitMin{"TasapelitMin"};
inline constexpr QLatin1String TasapelitMax{"TasapelitMax"};
inline constexpr QLatin1String VierasvoitotMin{"VierasvoitotMin"};
inline constexpr QLatin1String VierasvoitotMax{"VierasvoitotMax"};
inline constexpr QLatin1String KarsTodMin{"TodMin"};
inline constexpr QLatin1String KarsArvoMin{"ArvoMin"};
inline constexpr QLatin1String Pida{"Pida"};
} // namespace SettingsKeys
