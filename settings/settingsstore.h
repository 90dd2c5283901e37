#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

// Per-user text values by section and key, kept by QSettings under the application name
// "SarVento" in the user's configuration folder. A key never written reads as empty text.
// A write returns whether it reached the store's file; one that did not still holds for the
// rest of the run.
class SettingsStore
{
public:
    static QString read(const QString& section, const QString& key);
    static bool write(const QString& section, const QString& key, const QString& value);
    // Several keys of a section in one write of the file: every write waits until the file
    // is safely on the disk, so a form's many boxes go in one.
    static bool writeAll(const QString& section, const QList<std::pair<QString, QString>>& values);
    // A list kept as one value; any text may be in it, also commas and line breaks.
    static QStringList readList(const QString& section, const QString& key);
    static bool writeList(const QString& section, const QString& key, const QStringList& values);

    // Called with the store's file name on the first write of the run that did not reach it,
    // so that the player hears of it once, whichever window wrote.
    static void setWriteFailureHandler(std::function<void(const QString& storeFile)> handler);
    // For tests: the next failure is told again.
    static void resetWriteFailureTold();

    static QString boolText(bool value)
    {
        return value ? QStringLiteral("True") : QStringLiteral("False");
    }
};

// How the stored texts of the start-up read as switches.
namespace StoredSettings {
// "Varoitus": on unless it reads as false ("False", or a number other than -1).
bool warningsOn(const QString& stored);
// "AlaNaytaInfoa": true only for a true text ("True" or -1).
bool isTrue(const QString& stored);
} // namespace StoredSettings

// What the start-up needs from the store, read once.
struct StartupSettings
{
    // "Hyvaksy": the notice was accepted only when it reads exactly "True", as the notice
    // stores it; -1 or any other text leaves it unaccepted.
    bool accepted = false;
    bool skipNotice = false;
    bool warningsOn = true;

    static StartupSettings load();
};
