// What the package puts before the player: the menu entry, naming neither the operator nor
// games the program does not play.
#include <QtTest>

namespace {
const QString SourceDir = QStringLiteral(SARVENTO_SOURCE_DIR);

// Denied word beginnings as lengths and FNV-1a hashes, so this file names none of them.
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

// dist/sarvento.desktop, one group, as key, value.
QHash<QString, QString> entryGroup()
{
    QFile file(SourceDir + QStringLiteral("/dist/sarvento.desktop"));
    QHash<QString, QString> entry;
    for (file.open(QIODevice::ReadOnly); !file.atEnd();) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        entry.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    return entry;
}
} // namespace

class PackageTest : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
