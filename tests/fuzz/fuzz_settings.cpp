// The settings file as anyone may have edited it: whatever it holds, the start-up switches,
// the recent-file list, the net-play host and the print offsets read as sound values.
#include "print/printoffset.h"
#include "settings/recentfiles.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/fuzz/ordercheck.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {
// The store lives in a folder of its own for the whole run; set before the first use, as the
// store's folder is looked up once.
QString storeFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        FUZZ_CHECK(dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        FUZZ_CHECK(QDir(dir.path()).mkpath(QStringLiteral("SarVento")));
        return dir.filePath(QStringLiteral("SarVento/SarVento.ini"));
    }();
    return path;
}

void writeStore(const QByteArray& content)
{
    // The store keeps a file it has read until its time stamp changes: every input gets a
    // new one, even when written within one clock tick.
    static qint64 stamp = 1'000'000'000;
    QFile file(storeFile());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
    FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(++stamp),
                                QFileDevice::FileModificationTime));
}

bool isNumber(const QString& text, double wanted)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && (std::isnan(wanted) ? value != -1 : value == wanted);
}

bool isWord(const QString& text, QLatin1String word)
{
    return text.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

void checkSwitches()
{
    using namespace SettingsKeys;
    const QString hyvaksy = SettingsStore::read(Rekisteri, Hyvaksy);
    const QString alaNayta = SettingsStore::read(Rekisteri, AlaNaytaInfoa);
    const QString varoitus = SettingsStore::read(Rekisteri, Varoitus);
    const StartupSettings settings = StartupSettings::load();
    // The notice counts as accepted only for exactly what accepting it writes.
    FUZZ_CHECK(settings.accepted == (hyvaksy == QLatin1String("True")));
    FUZZ_CHECK(settings.skipNotice == StoredSettings::isTrue(alaNayta));
    FUZZ_CHECK(settings.warningsOn == StoredSettings::warningsOn(varoitus));
    for (const QString& text : {hyvaksy, alaNayta, varoitus}) {
        const bool isTrue = StoredSettings::isTrue(text);
        const bool warnings = StoredSettings::warningsOn(text);
        FUZZ_CHECK(isTrue == (isWord(text, QLatin1String("true")) || isNumber(text, -1)));
        // Only a clear "false" turns the warnings off; garbage leaves them on.
        FUZZ_CHECK(warnings == !(isWord(text, QLatin1String("false")) || isNumber(text, NAN)));
    }
}

void checkRecentFiles()
{
    const QStringList stored =
        SettingsStore::readList(SettingsKeys::Tiedostot, SettingsKeys::ViimeksiAvatut);
    const QStringList loaded = RecentFiles::load().paths();
    FUZZ_CHECK(loaded.size() <= RecentFiles::Limit);
    // Listed in the stored order, each at most once, none empty.
    qsizetype from = 0;
    QStringList seen;
    for (const QString& path : loaded) {
        FUZZ_CHECK(!path.isEmpty());
        from = stored.indexOf(path, from);
        FUZZ_CHECK(from >= 0);
        ++from;
        const QString where = QDir::cleanPath(QDir::current().absoluteFilePath(path));
        FUZZ_CHECK(!seen.contains(where));
        seen << where;
    }
    // What the list stores it reads back as it was, whatever characters the paths hold.
    SettingsStore::writeList(SettingsKeys::Tiedostot, SettingsKeys::ViimeksiAvatut, loaded);
    FUZZ_CHECK(RecentFiles::load().paths() == loaded);
}

void checkHost()
{
    const QString host =
        SettingsStore::read(SettingsKeys::Verkko, SettingsKeys::Palvelin).trimmed();
    const std::optional<OrderAddress> address = OrderAddress::make(host, 1, 50, 3);
    if (!address)
        return;
    const ScoreRow row(3, {2, 1, 0, 3, 10, 99});
    const std::optional<QUrl> url = address->forRow(row);
    FUZZ_CHECK(url.has_value());
    OrderCheck::checkUrl(*url, *address, host, 1, 50, QLocale(), OrderCheck::rowGoals(row));
}

void checkOffsets()
{
    const QString vaaka = SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna);
    const QString pysty = SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::PystyReuna);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Finnish, QLocale::Finland)}) {
        const PrintOffset offset = PrintOffsets::fromStored(vaaka, pysty, locale);
        for (double mm : {offset.x, offset.y})
            FUZZ_CHECK(std::isfinite(mm) && std::fabs(mm) <= PrintOffsets::Limit);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeStore(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkSwitches();
    checkHost();
    checkOffsets();
    checkRecentFiles(); // last: it writes the store
    return 0;
}
