#include "settings/modelsettings.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

namespace ModelSettings {

namespace {
// Each box of a match with its key, in one list for the reader and the writer.
template <typename Texts, typename Visit> void eachBox(Texts& match, Visit visit)
{
    visit(SettingsKeys::Kerroin1, match.home);
    visit(SettingsKeys::KerroinX, match.draw);
    visit(SettingsKeys::Kerroin2, match.away);
    visit(SettingsKeys::Yli, match.over);
    visit(SettingsKeys::Alle, match.under);
    visit(SettingsKeys::OdotusKoti, match.homeGoals);
    visit(SettingsKeys::OdotusVieras, match.awayGoals);
}
} // namespace

QString matchKey(QLatin1String key, int match)
{
    return key + QLatin1Char('_') + QString::number(match);
}

ModelInputTexts load()
{
    ModelInputTexts texts;
    for (int m = 0; m < 3; ++m)
        eachBox(texts.matches[size_t(m)], [m](QLatin1String key, QString& text) {
            text = SettingsStore::read(SettingsKeys::Todennakoisyydet, matchKey(key, m + 1));
        });
    texts.rho = SettingsStore::read(SettingsKeys::Todennakoisyydet, SettingsKeys::Rho);
    return texts;
}

bool store(const ModelInputTexts& texts)
{
    QList<std::pair<QString, QString>> values;
    for (int m = 0; m < 3; ++m)
        eachBox(texts.matches[size_t(m)], [m, &values](QLatin1String key, const QString& text) {
            values.append({matchKey(key, m + 1), text});
        });
    values.append({SettingsKeys::Rho, texts.rho});
    return SettingsStore::writeAll(SettingsKeys::Todennakoisyydet, values);
}

} // namespace ModelSettings
