#include "settings/settingsstore.h"
#include "settings/settingskeys.h"
#include <QHash>
#include <QSettings>
#include <cmath>
#include <optional>

namespace {
std::function<void(const QString&)> failureHandler;
bool failureTold = false;

QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SarVento"),
                     QStringLiteral("SarVento"));
}

// Values written while the store's file could not be: QSettings forgets them, but they hold
// for the rest of the run (a print offset just set must move the very next coupon).
QHash<QString, QVariant>& unsaved()
{
    static QHash<QString, QVariant> values;
    return values;
}

QVariant value(const QString& key)
{
    const auto kept = unsaved().constFind(key);
    return kept != unsaved().cend() ? *kept : openStore().value(key);
}

// QSettings writes only when synced, and says how that went only through its status. Values
// kept from earlier failures go along, should the file have become writable since.
bool store(const QList<std::pair<QString, QVariant>>& values)
{
    for (const auto& [key, value] : values)
        unsaved().insert(key, value);
    QSettings store = openStore();
    for (auto kept = unsaved().cbegin(); kept != unsaved().cend(); ++kept)
        store.setValue(kept.key(), kept.value());
    store.sync();
    if (store.status() == QSettings::NoError) {
        unsaved().clear();
        return true;
    }
    if (failureHandler && !failureTold) {
        failureTold = true;
        failureHandler(store.fileName());
    }
    return false;
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
    return value(section + QLatin1Char('/') + key).toString();
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    return store({{section + QLatin1Char('/') + key, value}});
}

bool SettingsStore::writeAll(const QString& section,
                             const QList<std::pair<QString, QString>>& values)
{
    QList<std::pair<QString, QVariant>> keyed;
    for (const auto& [key, value] : values)
        keyed.append({section + QLatin1Char('/') + key, value});
    return store(keyed);
}

QStringList SettingsStore::readList(const QString& section, const QString& key)
{
    return value(section + QLatin1Char('/') + key).toStringList();
}

bool SettingsStore::writeList(const QString& section, const QString& key, const QStringList& values)
{
    return store({{section + QLatin1Char('/') + key, values}});
}

void SettingsStore::setWriteFailureHandler(std::function<void(const QString&)> handler)
{
    failureHandler = std::move(handler);
}

void SettingsStore::resetWriteFailureTold()
{
    failureTold = false;
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
