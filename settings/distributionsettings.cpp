#include "settings/distributionsettings.h"
#include "settings/modelsettings.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

namespace DistributionSettings {

DistributionTexts load()
{
    DistributionTexts texts;
    auto read = [](const QString& key) {
        return SettingsStore::read(SettingsKeys::Pelijakauma, key);
    };
    for (int m = 0; m < 3; ++m)
        texts.tables[size_t(m)] = read(ModelSettings::matchKey(SettingsKeys::Jakauma, m + 1));
    texts.pool = {read(SettingsKeys::Vaihto), read(SettingsKeys::Palautus),
                  read(SettingsKeys::Potti)};
    return texts;
}

bool store(const DistributionTexts& texts)
{
    QList<std::pair<QString, QString>> values;
    for (int m = 0; m < 3; ++m)
        values.append(
            {ModelSettings::matchKey(SettingsKeys::Jakauma, m + 1), texts.tables[size_t(m)]});
    values.append({SettingsKeys::Vaihto, texts.pool.total});
    values.append({SettingsKeys::Palautus, texts.pool.returned});
    values.append({SettingsKeys::Potti, texts.pool.jackpot});
    return SettingsStore::writeAll(SettingsKeys::Pelijakauma, values);
}

} // namespace DistributionSettings
