#include "files/rowfile.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using RowFile::Status;
Q_DECLARE_METATYPE(RowFile::Status)

namespace {
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(ScoreRow::fromText(text).value());
    return rows;
}

QStringList textsOf(const std::vector<ScoreRow>& rows)
{
    QStringList texts;
    for (ScoreRow row : rows)
        texts << row.text();
    return texts;
}
} // namespace

class RowFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fileWith(const QByteArray& content, const QString& name = QStringLiteral("rows.txt"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    static QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void readsGoodFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("columns");

        const QStringList three{"2-1 0-3 1-1", "0-0 9-9 4-2"};
        QTest::newRow("CR LF") << QByteArray("2-1 0-3 1-1\r\n0-0 9-9 4-2\r\n") << three << 3;
        QTest::newRow("LF") << QByteArray("2-1 0-3 1-1\n0-0 9-9 4-2\n") << three << 3;
        QTest::newRow("CR") << QByteArray("2-1 0-3 1-1\r0-0 9-9 4-2\r") << three << 3;
        QTest::newRow("mixed line ends")
            << QByteArray("2-1 0-3 1-1\n0-0 9-9 4-2\r1-1 1-1 1-1\r\n")
            << QStringList{"2-1 0-3 1-1", "0-0 9-9 4-2", "1-1 1-1 1-1"} << 3;
        QTest::newRow("no final line end")
            << QByteArray("2-1 0-3 1-1\r\n0-0 9-9 4-2") << three << 3;
        QTest::newRow("two matches") << QByteArray("2-1 0-3\r\n") << QStringList{"2-1 0-3"} << 2;
        QTest::newRow("two-digit goals") << QByteArray("10-2 11-0\r\n99-99 0-10\r\n")
                                         << QStringList{"10-2 11-0", "99-99 0-10"} << 2;
        QTest::newRow("duplicates kept")
            << QByteArray("1-1 1-1\r\n1-1 1-1\r\n") << QStringList{"1-1 1-1", "1-1 1-1"} << 2;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << 0;
    }
    void readsGoodFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        QFETCH(int, columns);
        const RowFile::ReadResult result = RowFile::read(fileWith(content));
        QCOMPARE(result.status, Status::Ok);
        QCOMPARE(textsOf(result.rows), rows);
        QCOMPARE(result.columnCount, columns);
    }

    void rejectsBadData_data()
    {
        QTest::addColumn<QByteArray>("content");

        QTest::newRow("leading zero home") << QByteArray("01-1 1-1\r\n");
        QTest::newRow("leading zero away") << QByteArray("1-1 1-00\r\n");
        QTest::newRow("three-digit goal") << QByteArray("100-0 1-1\r\n");
        QTest::newRow("missing blank") << QByteArray("1-11-1\r\n");
        QTest::newRow("double blank") << QByteArray("1-1  1-1\r\n");
        QTest::newRow("tab for blank") << QByteArray("1-1\t1-1\r\n");
        QTest::newRow("leading blank") << QByteArray(" 1-1 1-1\r\n");
        QTest::newRow("trailing blank") << QByteArray("1-1 1-1 \r\n");
        QTest::newRow("letter for goal") << QByteArray("a-1 1-1\r\n");
        QTest::newRow("letter at end") << QByteArray("1-1 1-x\r\n");
        QTest::newRow("missing hyphen") << QByteArray("11 1-1\r\n");
        QTest::newRow("hyphen for blank") << QByteArray("1-1-1-1\r\n");
        QTest::newRow("negative goal") << QByteArray("-1-1 1-1\r\n");
        QTest::newRow("one pair") << QByteArray("1-2\r\n");
        QTest::newRow("four pairs") << QByteArray("1-1 1-1 1-1 1-1\r\n");
        QTest::newRow("half pair") << QByteArray("1-1 1-\r\n");
        QTest::newRow("8-bit letter") << QByteArray("1-1 \xe4-1\r\n");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf"
                                                       "1-1 1-1\r\n");
        QTest::newRow("trailing empty line") << QByteArray("1-1 1-1\r\n\r\n");
        QTest::newRow("trailing empty LF line") << QByteArray("1-1 1-1\n\n");
        QTest::newRow("empty line inside") << QByteArray("1-1 1-1\r\n\r\n2-2 2-2\r\n");
        QTest::newRow("LF then CR is two line ends") << QByteArray("1-1 1-1\n\r2-2 2-2\n");
        QTest::newRow("only a line end") << QByteArray("\r\n");
        QTest::newRow("bad last line without end") << QByteArray("1-1 1-1\r\n1-1 1-");
        QTest::newRow("mixed widths") << QByteArray("1-1 1-1\r\n1-1 1-1 1-1\r\n");
        QTest::newRow("long garbage line") << QByteArray(5000, '7');
        QByteArray lateBadLine;
        for (int i = 0; i < 200000; ++i)
            lateBadLine += "3-1 2-2 0-0\r\n";
        QTest::newRow("bad line after a million bytes") << (lateBadLine + "3-1 2-2 O-0\r\n");
    }
    void rejectsBadData()
    {
        QFETCH(QByteArray, content);
        const RowFile::ReadResult result = RowFile::read(fileWith(content));
        QCOMPARE(result.status, Status::BadData);
        QVERIFY(result.rows.empty());
    }

    void cannotOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath("none.txt");
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("binary") << fileWith(QByteArray("\x7f"
                                                       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                                                       16),
                                            "binary.txt");
        QTest::newRow("rows then binary")
            << fileWith(QByteArray("1-1 1-1\r\n\0\0\0\0", 13), "tail.txt");
    }
    void cannotOpen()
    {
        QFETCH(QString, path);
        const RowFile::ReadResult result = RowFile::read(path);
        QCOMPARE(result.status, Status::CannotOpen);
        QVERIFY(result.rows.empty());
    }

#ifdef Q_OS_UNIX
    void cannotOpenUnreadable()
    {
        if (geteuid() == 0)
            QSKIP("root reads any file");
        const QString path = fileWith("1-1 1-1\r\n", "locked.txt");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QCOMPARE(RowFile::read(path).status, Status::CannotOpen);
    }
#endif

    // Lines are cut by the ends of the 1 MiB read blocks; shifting the rows by one byte at a
    // time puts every position of a line, CR and LF included, on a block boundary.
    void linesAcrossBlocks_data()
    {
        QTest::addColumn<int>("shift");
        QTest::addColumn<QByteArray>("lineEnd");
        for (int shift = 0; shift < 11; ++shift) {
            QTest::addRow("shift %d CR LF", shift) << shift << QByteArray("\r\n");
            QTest::addRow("shift %d CR", shift) << shift << QByteArray("\r");
        }
    }
    void linesAcrossBlocks()
    {
        QFETCH(int, shift);
        QFETCH(QByteArray, lineEnd);
        QByteArray content;
        QStringList expected;
        // A line of two-digit goals is one byte longer than a plain one.
        for (int i = 0; i < shift; ++i) {
            content += "10-1 1-1" + lineEnd;
            expected << "10-1 1-1";
        }
        for (int i = 0; content.size() < (1 << 20) + 100; ++i) {
            const QString text =
                QStringLiteral("%1-%2 %3-0").arg(i % 10).arg(i / 10 % 10).arg(i % 7);
            content += text.toLatin1() + lineEnd;
            expected << text;
        }
        const RowFile::ReadResult result = RowFile::read(fileWith(content));
        QCOMPARE(result.status, Status::Ok);
        QCOMPARE(int(result.rows.size()), expected.size());
        QCOMPARE(textsOf(result.rows), expected);
    }

    void progressReportsAndCancels()
    {
        QByteArray content;
        while (content.size() < 3 * (1 << 20))
            content += "1-2 3-4 5-6\r\n";
        const QString path = fileWith(content);
        QList<qint64> reported;
        QSet<qint64> totals;
        RowFile::ReadResult result = RowFile::read(path, [&](qint64 done, qint64 total) {
            reported << done;
            totals << total;
            return true;
        });
        QCOMPARE(result.status, Status::Ok);
        QCOMPARE(totals, QSet<qint64>{content.size()});
        QVERIFY(reported.size() >= 3);
        QVERIFY(std::is_sorted(reported.begin(), reported.end()));
        QCOMPARE(reported.last(), qint64(content.size()));

        result = RowFile::read(path, [](qint64, qint64) { return false; });
        QCOMPARE(result.status, Status::Cancelled);
        QVERIFY(result.rows.empty());
    }

    void writesCrLfAfterEveryLine()
    {
        const QString path = m_dir.filePath("written.txt");
        QVERIFY(RowFile::write(path, rowsOf({"2-1 0-3 1-1", "10-2 11-0 0-0"})));
        QCOMPARE(contentOf(path), QByteArray("2-1 0-3 1-1\r\n10-2 11-0 0-0\r\n"));
        QVERIFY(RowFile::write(path, {}));
        QCOMPARE(contentOf(path), QByteArray());
    }

    void saveAndOpenKeepTheOrder()
    {
        // More than one write block, unsorted, with duplicates.
        std::vector<ScoreRow> rows;
        quint32 seed = 7;
        for (int i = 0; i < 150000; ++i) {
            std::array<int, ScoreRow::MaxTeams> goals{};
            for (int& goal : goals) {
                seed = seed * 1664525u + 1013904223u;
                goal = int(seed >> 28);
            }
            rows.push_back(ScoreRow(3, goals));
        }
        const QString path = m_dir.filePath("order.txt");
        QVERIFY(RowFile::write(path, rows));
        const RowFile::ReadResult result = RowFile::read(path);
        QCOMPARE(result.status, Status::Ok);
        QCOMPARE(result.columnCount, 3);
        QVERIFY(result.rows == rows);
    }

    void failedSaveKeepsTheTarget()
    {
        // Made to fail in ways that hold for root too.
        const QString folder = m_dir.filePath("folder.txt");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!RowFile::write(folder, rowsOf({"1-1 1-1"})));
        QVERIFY(QFileInfo(folder).isDir());

        const QString parentIsFile = fileWith("1-1 1-1\r\n", "plain.txt") + "/rows.txt";
        QVERIFY(!RowFile::write(parentIsFile, rowsOf({"1-1 1-1"})));
        QCOMPARE(contentOf(m_dir.filePath("plain.txt")), QByteArray("1-1 1-1\r\n"));
    }

#ifdef Q_OS_UNIX
    // A disk that fills up in the middle of the save: the old file must survive whole.
    void fullDiskKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.txt");
        QVERIFY(RowFile::write(path, rowsOf({"3-3 3-3", "4-4 4-4"})));
        std::vector<ScoreRow> many(200000, ScoreRow::fromText(u"1-1 1-1").value());

        struct rlimit previous;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        struct rlimit small = previous;
        small.rlim_cur = 64 * 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = RowFile::write(path, many);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!written);
        QCOMPARE(contentOf(path), QByteArray("3-3 3-3\r\n4-4 4-4\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
    }
#endif
};

QTEST_GUILESS_MAIN(RowFileTest)
#include "tst_rowfile.moc"
