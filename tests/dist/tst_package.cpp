// What the package puts before the player: the menu entry, and no file of the program naming
// the operator or games it does not play.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {
const QString SourceDir = QStringLiteral(SARVENTO_SOURCE_DIR);

// Beginnings of words no file may hold: the operator's name and games this program does not
// play, in any inflection or compound that starts with them. Kept as lengths and FNV-1a hashes
// of the lower-case UTF-8 text, so that this file names none of them either.
struct Denied
{
    int length;
    quint64 hash;
};
constexpr Denied DeniedBeginnings[] = {{7, 0xd8d84642e478fb03}, {8, 0x282fc0b8192e22ac},
                                       {7, 0xd6871398d8a0dffb}, {9, 0x46f0b65acdc81a18},
                                       {8, 0x8ef04dadd16466b7}, {11, 0xfbb604f86f2d9a1a},
                                       {6, 0x5deba90194891e6f}};

quint64 fnv1a(const QByteArray& bytes)
{
    quint64 hash = 0xcbf29ce484222325;
    for (char c : bytes) {
        hash ^= quint8(c);
        hash *= 0x100000001b3;
    }
    return hash;
}

bool startsWithAny(const QString& word, const std::vector<Denied>& beginnings)
{
    const QString lower = word.toLower();
    for (const Denied& d : beginnings) {
        if (lower.size() >= d.length && fnv1a(lower.left(d.length).toUtf8()) == d.hash)
            return true;
    }
    return false;
}

bool denied(const QString& word)
{
    static const std::vector<Denied> beginnings(std::begin(DeniedBeginnings),
                                                std::end(DeniedBeginnings));
    return startsWithAny(word, beginnings);
}

// "file:line: word" for each denied word in the text files under path.
QStringList deniedWords(const QString& path)
{
    static const QStringList textFiles{"*.cpp", "*.h",    "*.ui",    "*.txt", "*.md",
                                       "*.sh",  "*.svg",  "*.cmake", "*.in",  "*.desktop",
                                       "*.py",  "*.json", "*.yml"};
    QStringList files;
    if (QFileInfo(path).isFile()) {
        files << path;
    } else {
        QDirIterator it(path, textFiles, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    static const QRegularExpression words(QStringLiteral("\\p{L}+"));
    QStringList found;
    for (const QString& file : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            found << file + ": unreadable";
            continue;
        }
        int line = 0;
        while (!f.atEnd()) {
            ++line;
            const QString text = QString::fromUtf8(f.readLine());
            for (const auto& match : words.globalMatch(text)) {
                if (denied(match.captured()))
                    found << QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(match.captured());
            }
        }
    }
    return found;
}

// The [Desktop Entry] group of dist/sarvento.desktop as key, value.
QHash<QString, QString> desktopEntry()
{
    QFile file(SourceDir + QStringLiteral("/dist/sarvento.desktop"));
    QHash<QString, QString> entry;
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains('='))
            entry.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return entry;
}
} // namespace

class PackageTest : public QObject
{
    Q_OBJECT

private slots:
    // The menu starts the installed program with the installed icon.
    void entryStartsTheProgram()
    {
        const auto entry = desktopEntry();
        QCOMPARE(entry.value("Type"), "Application");
        QCOMPARE(entry.value("Exec").section(' ', 0, 0), QStringLiteral(SARVENTO_PROGRAM));
        QVERIFY(QFile::exists(SourceDir + "/dist/" + entry.value("Icon") + ".svg"));
    }

    // Searching the menu finds the program by what it does, in English and in Finnish; the
    // side windows' games are not what it is for.
    void keywords_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("describing"); // one keyword that must be there
        QTest::newRow("English") << "Keywords"
                                 << "football";
        QTest::newRow("Finnish") << "Keywords[fi]"
                                 << "jalkapallo";
    }
    void keywords()
    {
        QFETCH(QString, key);
        const QString value = desktopEntry().value(key);
        QVERIFY2(value.endsWith(';'), qPrintable(key + " is not a list: " + value));
        const QStringList keywords = value.split(';', Qt::SkipEmptyParts);
        QFETCH(QString, describing);
        QVERIFY(keywords.contains(describing));
        for (const QString& keyword : keywords) {
            QCOMPARE(keyword, keyword.toLower().trimmed());
            QVERIFY2(!QStringList({"lotto", "viking", "keno", "vakio"}).contains(keyword),
                     qPrintable(keyword));
        }
    }

    // Every text file of the program: the sources, tests, tools, the desktop entry and the docs.
    void namesNoOperator_data()
    {
        QTest::addColumn<QString>("path");
        const QDir top(SourceDir);
        for (const QFileInfo& info :
             top.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            // Build trees hold copies and generated files, not the program's own text.
            if (info.isDir() && QFile::exists(info.filePath() + "/CMakeCache.txt"))
                continue;
            QTest::newRow(qPrintable(info.fileName())) << info.filePath();
        }
    }
    void namesNoOperator()
    {
        QFETCH(QString, path);
        const QStringList found = deniedWords(path);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    // The check itself, on the program's own name standing in for a denied one: found in
    // any case, inflection or compound that starts with it, and only there.
    void beginnings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("found");
        QTest::newRow("the name") << "sarvento" << true;
        QTest::newRow("capitals") << "SARVENTO" << true;
        QTest::newRow("inflected") << "Sarventolla" << true;
        QTest::newRow("compound") << "sarventorivit" << true;
        QTest::newRow("shorter") << "sarv" << false;
        QTest::newRow("inside a word") << "uusisarvento" << false;
        QTest::newRow("one letter off") << "sarwento" << false;
    }
    void beginnings()
    {
        QFETCH(QString, word);
        QFETCH(bool, found);
        QCOMPARE(startsWithAny(word, {{7, fnv1a("sarvent")}}), found);
        QVERIFY(!denied(word));
    }
};

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
