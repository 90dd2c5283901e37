#include "settings/filtersettings.h"
#include "settings/modelsettings.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

namespace FilterSettings {

namespace {
// Each text and tick with its key, in one list for the reader and the writer; a match's keys
// end in its number.
template <typename Texts, typename Text, typename Tick>
void eachValue(Texts& texts, Text text, Tick tick)
{
    for (int m = 0; m < 3; ++m) {
        auto& match = texts.matches[size_t(m)];
        const auto key = [m](QLatin1String name) { return ModelSettings::matchKey(name, m + 1); };
        tick(key(SettingsKeys::Merkki1), match.outcomes[0]);
        tick(key(SettingsKeys::MerkkiX), match.outcomes[1]);
        tick(key(SettingsKeys::Merkki2), match.outcomes[2]);
        text(key(SettingsKeys::MaalitMin), match.goalsMin);
        text(key(SettingsKeys::MaalitMax), match.goalsMax);
        text(key(SettingsKeys::EroMin), match.differenceMin);
        text(key(SettingsKeys::EroMax), match.differenceMax);
    }
    text(QString(SettingsKeys::RiviMaalitMin), texts.rowGoalsMin);
    text(QString(SettingsKeys::RiviMaalitMax), texts.rowGoalsMax);
    text(QString(SettingsKeys::KotivoitotMin), texts.homeWinsMin);
    text(QString(SettingsKeys::KotivoitotMax), texts.homeWinsMax);
    text(QString(SettingsKeys::TasapelitMin), texts.drawsMin);
    text(QString(SettingsKeys::TasapelitMax), texts.drawsMax);
    text(QString(SettingsKeys::VierasvoitotMin), texts.awayWinsMin);
    text(QString(SettingsKeys::VierasvoitotMax), texts.awayWinsMax);
    text(QString(SettingsKeys::KarsTodMin), texts.chanceMin);
    text(QString(SettingsKeys::KarsArvoMin), texts.valueMin);
    tick(QString(SettingsKeys::Pida), texts.keep);
}

QString read(const QString& key)
{
    return SettingsStore::read(SettingsKeys::Karsinta, key);
}
} // namespace

RowFilterTexts load()
{
    RowFilterTexts texts;
    eachValue(
        texts, [](const QString& key, QString& text) { text = read(key); },
        // Only an explicit "False" unticks: a tick never stored is on.
        [](const QString& key, bool& tick) { tick = read(key) != QLatin1String("False"); });
    return texts;
}

bool store(const RowFilterTexts& texts)
{
    QList<std::pair<QString, QString>> values;
    eachValue(
        texts,
        [&values](const QString& key, const QString& text) {
            values.append({key, text});
        },
        [&values](const QString& key, bool tick) {
            values.append({key, SettingsStore::boolText(tick)});
        });
    return SettingsStore::writeAll(SettingsKeys::Karsinta, values);
}

} // namespace FilterSettings
