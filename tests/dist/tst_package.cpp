// What the package puts before the player: the menu entry, and no file of the program naming
// the operator or games it does not play.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

namespace {
const QString SourceDir = QStringLiteral(SARVENTO_SOURCE_DIR);

// Beginnings of words no file may hold, in any inflection or compound: kept as lengths and
// FNV-1a hashes of the lower-case UTF-8 text, so that this file names none of them either.
constexpr std::pair<int, quint64> Denied[] = {{7, 0xd8d84642e478fb03}, {8, 0x282fc0b8192e22ac},
                                              {7, 0xd6871398d8a0dffb}, {9, 0x46f0b65acdc81a18},
                                              {8, 0x8ef04dadd16466b7}, {11, 0xfbb604f86f2d9a1a},
                                              {6, 0x5deba90194891e6f}};

bool denied(const QString& word)
{
    const QString lower = word.toLower();
    for (const auto& [length, hash] : Denied) {
        quint64 h = 0xcbf29ce484222325;
        for (char c : lower.left(length).toUtf8())
            h = (h ^ quint8(c)) * 0x100000001b3;
        if (lower.size() >= length && h == hash)
            return true;
    }
    return false;
}

// The [Desktop Entry] group of dist/sarvento.desktop as key, value.
QHash<QString, QString> entryGroup()
{
    QFile file(SourceDir + QStringLiteral("/dist/sarvento.desktop"));
    QHash<QString, QString> entry;
    bool inGroup = false;
    for (file.open(QIODevice::ReadOnly); !file.atEnd();) {
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
    // The menu starts the installed program with its icon and finds it by what it does, in
    // English and Finnish; the side windows' games are not what it is for.
    void desktopEntry()
    {
        const auto entry = entryGroup();
        QCOMPARE(entry.value("Exec").section(' ', 0, 0), QStringLiteral(SARVENTO_PROGRAM));
        QVERIFY(QFile::exists(SourceDir + "/dist/" + entry.value("Icon") + ".svg"));
        for (const auto& [key, describing] :
             {std::pair{"Keywords", "football"}, {"Keywords[fi]", "jalkapallo"}}) {
            const QString value = entry.value(key);
            QVERIFY2(value.endsWith(';'), qPrintable(key + (" is not a list: " + value)));
            const QStringList keywords = value.split(';', Qt::SkipEmptyParts);
            QVERIFY(keywords.contains(describing));
            for (const QString& keyword : keywords)
                QVERIFY2(!denied(keyword) && !QStringList({"lotto", "viking", "keno", "vakio"})
                                                  .contains(keyword.toLower().trimmed()),
                         qPrintable(keyword));
        }
    }

    // Every text file of the program: the sources, tests, tools, the desktop entry and the
    // docs; build trees hold copies and generated files, not the program's own text.
    void namesNoOperator()
    {
        static const QRegularExpression words(QStringLiteral("\\p{L}+"));
        QStringList found;
        for (const QFileInfo& top :
             QDir(SourceDir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFile::exists(top.filePath() + "/CMakeCache.txt"))
                continue;
            QDirIterator it(top.filePath(),
                            {"*.cpp", "*.h", "*.ui", "*.txt", "*.md", "*.sh", "*.svg", "*.cmake",
                             "*.in", "*.desktop", "*.py", "*.json", "*.yml"},
                            QDir::Files, QDirIterator::Subdirectories);
            QStringList files = top.isFile() ? QStringList{top.filePath()} : QStringList();
            while (it.hasNext())
                files << it.next();
            for (const QString& path : files) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    found << path + ": unreadable";
                for (int line = 1; !file.atEnd(); ++line)
                    for (const auto& match : words.globalMatch(QString::fromUtf8(file.readLine())))
                        if (denied(match.captured()))
                            found << QStringLiteral("%1:%2: %3")
                                         .arg(path)
                                         .arg(line)
                                         .arg(match.captured());
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
