#include "files/rowfile.h"
#include "files/rowmerge.h"
#include "tests/testfile.h"
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using RowFile::Status;
using Plan = RowMerge::Plan;
Q_DECLARE_METATYPE(Plan)

class RowFileTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QStringList>("rows");
        const auto row = [this](const QString& name, const QByteArray& content,
                                Status status = Status::BadData, const QStringList& rows = {}) {
            QTest::newRow(qPrintable(name))
                << TestFile::write(m_dir, name, content) << status << rows;
        };
        const QStringList two{"2-1 0-3 1-1", "10-0 9-99 4-2"};
        row("CR LF", "2-1 0-3 1-1\r\n10-0 9-99 4-2\r\n", Status::Ok, two);
        row("LF, no final line end", "2-1 0-3 1-1\n10-0 9-99 4-2", Status::Ok, two);
        row("CR", "2-1 0-3 1-1\r10-0 9-99 4-2\r", Status::Ok, two);
        const QByteArray bom = "\xEF\xBB\xBF";
        row("byte-order mark", bom + "2-1 0-3 1-1\r\n10-0 9-99 4-2", Status::Ok, two);
        row("byte-order mark on a later line", "2-1 0-3 1-1\r\n" + bom + "10-0 9-99 4-2");
        for (const char* bad : {"1-1 1-01", "100-0 1-1", "1-1  1-1", "1-1 1-1 ", "1-1-1-1", "1-2",
                                "1-1 1-1 1-1 1-1", "1-1 1-1 1-1", "1-1 1-x"})
            row(bad, "1-1 1-1\n" + QByteArray(bad)); // after a good line
        row("binary", QByteArray("1-1 1-1\r\n\0\1\2", 12), Status::CannotOpen);
        // Each byte of a line, line ends included, in turn ends the first 1 MiB read block.
        for (int shift = 0; shift < 10; ++shift)
            for (const QByteArray end : {"\r\n", "\r", "\n"})
                row(QStringLiteral("shift %1, %2-byte line end").arg(shift).arg(end.size()),
                    ("10-1 1-1" + end).repeated(shift) + ("1-2 3-0" + end).repeated(140000),
                    Status::Ok, QStringList(shift, "10-1 1-1") + QStringList(140000, "1-2 3-0"));
        row("a row ends the first block and the file",
            QByteArray("1-2 3-0\n").repeated(131071) + "12-2 3-0", Status::Ok,
            QStringList(131071, "1-2 3-0") << "12-2 3-0");
    }
    void read()
    {
        QFETCH(QString, path);
        QFETCH(Status, status);
        QFETCH(QStringList, rows);
        const RowFile::ReadResult result = RowFile::read(path);
        QCOMPARE(result.status, status);
        QStringList texts;
        for (ScoreRow row : result.rows)
            texts << row.text();
        QCOMPARE(texts, rows);
        QCOMPARE(result.columnCount, rows.isEmpty() ? 0 : int(rows[0].count(' ')) + 1);
    }

    // Refused before anything is read or reserved. Sparse, so it costs no disk.
    void tooLargeFileIsRefused()
    {
        QFile huge(m_dir.filePath("huge.txt"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (!huge.resize(qint64(18) << 30))
            QSKIP("the temporary folder takes no sparse file this large");
        QCOMPARE(RowFile::read(huge.fileName()).status, Status::TooLarge);
    }

    // A full disk (a file-size limit, which binds root too) fails the save, the old file kept.
    void failedSave_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("sizeLimit");                  // bytes a file may grow to
        QTest::newRow("at the final flush") << 1000 << 4096; // a small save is written only then
        QTest::newRow("at a later block") << 200000 << (3 << 19);
    }
    void failedSave()
    {
        QFETCH(int, rows);
        QFETCH(int, sizeLimit);
        const QString old = TestFile::write(m_dir, "old.txt", "3-3 3-3\r\n");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const rlimit limit{rlim_t(sizeLimit), before.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QString error;
        const bool saved =
            RowFile::write(old, {size_t(rows), ScoreRow(3, {1, 1, 2, 2, 3, 3})}, &error);
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(!saved && !error.isEmpty());
        QCOMPARE(TestFile::read(old), QByteArray("3-3 3-3\r\n"));
    }

    // With no room for the safe save's temporary file, the existing file is written in place.
    void saveInPlaceWhereNoNewFileFits()
    {
        if (geteuid() == 0)
            QSKIP("root makes files in any folder");
        QTemporaryDir locked;
        const QString path = TestFile::write(locked, "rows.txt", "3-3 3-3\r\n");
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool saved = RowFile::write(path, {*ScoreRow::fromText(u"1-1 1-1")});
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(saved);
        QCOMPARE(TestFile::read(path), QByteArray("1-1 1-1\r\n"));
    }

    // A file of fileColumns matches (0: empty) into a list of one listedColumns row (0: none).
    void mergePlan_data()
    {
        QTest::addColumn<int>("listedColumns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("fileColumns");
        QTest::addColumn<Plan>("plan");
        QTest::newRow("empty list, same width") << 0 << 3 << 3 << Plan::Append;
        QTest::newRow("empty list, other width") << 0 << 3 << 2 << Plan::SwitchModeThenAppend;
        QTest::newRow("empty list, empty file") << 0 << 3 << 0 << Plan::Append;
        QTest::newRow("listed, other width") << 3 << 3 << 2 << Plan::WidthMismatch;
        // The list's rows decide, not the mode: after a mode switch with rows kept.
        QTest::newRow("listed rows wider than the mode") << 3 << 2 << 3 << Plan::AskAboutDuplicates;
    }
    void mergePlan()
    {
        QFETCH(int, listedColumns);
        QFETCH(int, mode);
        QFETCH(int, fileColumns);
        QFETCH(Plan, plan);
        RowListModel list;
        if (listedColumns)
            list.appendAll({ScoreRow(listedColumns, {1, 1, 1, 1, 1, 1})});
        QCOMPARE(RowMerge::plan(list, mode, fileColumns), plan);
    }
};

QTEST_GUILESS_MAIN(RowFileTest)
#include "tst_rowfile.moc"
