#pragma once
#include <QString>
#include <QStringList>

// Per-user text values by section and key, kept by QSettings under the application name
// "SarVento" in the user's configuration folder. A key never written reads as empty text.
class SettingsStore
{
public:
    static QString read(const QString& section, const QString& key);
    static void write(const QString& section, const QString& key, const QString& value);
    // A list kept as one value; any text may be in it, also commas and line breaks.
    static QStringList readList(const QString& section, const QString& key);
    static void writeList(const QString& section, const QString& key, const QStringList& values);

    static QString boolText(bool value)
    {
        return value ? QStringLiteral("True") : QStringLiteral("False");
    }
};

// How the stored texts of the start-up read as switches.
namespace StoredSettings {
// "Varoitus": on unless it reads as false ("False", or a number other than -1).
bool warningsOn(const QString& stored);
// "AlaNaytaInfoa" and "Hyvaksy": true only for a true text ("True" or -1).
bool isTrue(const QString& stored);
} // namespace StoredSettings

// What the start-up needs from the store, read once.
struct StartupSettings
{
    bool accepted = false;
    bool skipNotice = false;
    bool warningsOn = true;

    static StartupSettings load();
};
