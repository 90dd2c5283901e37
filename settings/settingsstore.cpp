#include "settings/settingsstore.h"
#include "settings/settingskeys.h"
#include <QSettings>
#include <cmath>
#include <optional>

namespace {
QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SarVento"),
                     QStringLiteral("SarVento"));
}

// A truth value as text: "True"/"False" in any case, or a number where -1 is true (the
// form older stores used) and any other number false.
std::optional<bool> readTruth(const QString& stored)
{
    const QString text = stored.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    // toDouble also takes "nan" and "inf", which are no stored numbers but garbage.
    if (isNumber && std::isfinite(number))
        return number == -1.0;
    return std::nullopt;
}
} // namespace

QString SettingsStore::read(const QString& section, const QString& key)
{
    QSettings store = openStore();
    return store.value(section + QLatin1Char('/') + key).toString();
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    QSettings store = openStore();
    store.setValue(section + QLatin1Char('/') + key, value);
}

QStringList SettingsStore::readList(const QString& section, const QString& key)
{
    QSettings store = openStore();
    return store.value(section + QLatin1Char('/') + key).toStringList();
}

void SettingsStore::writeList(const QString& section, const QString& key, const QStringList& values)
{
    QSettings store = openStore();
    store.setValue(section + QLatin1Char('/') + key, values);
}

namespace StoredSettings {
bool warningsOn(const QString& stored)
{
    return readTruth(stored).value_or(true);
}

bool isTrue(const QString& stored)
{
    return readTruth(stored).value_or(false);
}
} // namespace StoredSettings

StartupSettings StartupSettings::load()
{
    StartupSettings settings;
    using namespace SettingsKeys;
    settings.accepted = SettingsStore::read(Rekisteri, Hyvaksy) == QLatin1String("True");
    settings.skipNotice = StoredSettings::isTrue(SettingsStore::read(Rekisteri, AlaNaytaInfoa));
    settings.warningsOn = StoredSettings::warningsOn(SettingsStore::read(Rekisteri, Varoitus));
    return settings;
}
