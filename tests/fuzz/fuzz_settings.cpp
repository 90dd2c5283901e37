// Whatever a hand-edited settings file holds, the start-up switches read as sound values.
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>

namespace {
// The store's folder is looked up once, and a file read is kept until its time stamp changes:
// every input gets a new stamp.
void writeStore(const QByteArray& content)
{
    static QTemporaryDir dir;
    static qint64 stamp = 1'000'000'000;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    FUZZ_CHECK(QDir(dir.path()).mkpath(QStringLiteral("SarVento")));
    QFile file(dir.filePath(QStringLiteral("SarVento/SarVento.ini")));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
    FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(++stamp),
                                QFileDevice::FileModificationTime));
}

// "true" in any case, or a number: -1 for true; any number but -1 (wanted NaN) or exactly 0.
bool isTrueText(const QString& text, const char* word, double wanted)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return text.trimmed().compare(QLatin1String(word), Qt::CaseInsensitive) == 0 ||
           (ok && std::isfinite(value) && (std::isnan(wanted) ? value != -1 : value == wanted));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace SettingsKeys;
    writeStore(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    const QString hyvaksy = SettingsStore::read(Rekisteri, Hyvaksy);
    const StartupSettings settings = StartupSettings::load();
    FUZZ_CHECK(settings.accepted == (hyvaksy == QLatin1String("True")));
    FUZZ_CHECK(settings.skipNotice ==
               StoredSettings::isTrue(SettingsStore::read(Rekisteri, AlaNaytaInfoa)));
    FUZZ_CHECK(settings.warningsOn ==
               StoredSettings::warningsOn(SettingsStore::read(Rekisteri, Varoitus)));
    for (const QString& text : {hyvaksy, SettingsStore::read(Rekisteri, AlaNaytaInfoa),
                                SettingsStore::read(Rekisteri, Varoitus)}) {
        FUZZ_CHECK(StoredSettings::isTrue(text) == isTrueText(text, "true", -1));
        // Only a clear "false" turns the warnings off; garbage leaves them on.
        FUZZ_CHECK(StoredSettings::warningsOn(text) == !isTrueText(text, "false", NAN));
    }

    return 0;
}
