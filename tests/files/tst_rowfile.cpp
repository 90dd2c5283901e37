#include "files/rowfile.h"
#include "tests/testfile.h"
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using RowFile::Status;

class RowFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fileWith(const QByteArray& content, const QString& name = QStringLiteral("rows.txt"))
    {
        return TestFile::write(m_dir, name, content);
    }
    static QStringList textsOf(const std::vector<ScoreRow>& rows)
    {
        QStringList texts;
        for (ScoreRow row : rows)
            texts << row.text();
        return texts;
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QStringList>("rows");
        const auto row = [this](const QString& name, const QByteArray& content, Status status,
                                const QStringList& rows = {}) {
            QTest::newRow(qPrintable(name)) << fileWith(content, name) << status << rows;
        };
        const QStringList two{"2-1 0-3 1-1", "0-0 9-9 4-2"};
        row("CR LF", "2-1 0-3 1-1\r\n0-0 9-9 4-2\r\n", Status::Ok, two);
        row("LF, no final line end", "2-1 0-3 1-1\n0-0 9-9 4-2", Status::Ok, two);
        row("CR", "2-1 0-3 1-1\r0-0 9-9 4-2\r", Status::Ok, two);
        row("two matches", "10-2 99-0\r\n10-2 99-0\r\n", Status::Ok, {"10-2 99-0", "10-2 99-0"});
        row("empty file", "", Status::Ok);
        row("byte-order mark",
            "\xEF\xBB\xBF"
            "2-1 0-3 1-1\r\n0-0 9-9 4-2\r\n",
            Status::Ok, two);
        row("byte-order mark on a later line",
            "2-1 0-3 1-1\r\n\xEF\xBB\xBF"
            "0-0 9-9 4-2\r\n",
            Status::BadData);
        row("leading zero", "1-1 1-00\r\n", Status::BadData);
        row("three-digit goal", "100-0 1-1\r\n", Status::BadData);
        row("double blank", "1-1  1-1\r\n", Status::BadData);
        row("trailing blank", "1-1 1-1 \r\n", Status::BadData);
        row("letter", "1-1 1-x\r\n", Status::BadData);
        row("one pair", "1-2\r\n", Status::BadData);
        row("four pairs", "1-1 1-1 1-1 1-1\r\n", Status::BadData);
        row("trailing empty line", "1-1 1-1\r\n\r\n", Status::BadData);
        row("LF then CR", "1-1 1-1\n\r2-2 2-2\n", Status::BadData);
        row("mixed widths", "1-1 1-1\r\n1-1 1-1 1-1\r\n", Status::BadData);
        row("bad line in a later block",
            QByteArray("3-1 2-2 0-0\r\n").repeated(90000) + "3-1 2-2 O-0\r\n", Status::BadData);
        row("binary, no final line end", QByteArray("1-1 1-1\r\n\0\1\2", 12), Status::CannotOpen);
        QTest::newRow("missing") << m_dir.filePath("none") << Status::CannotOpen << QStringList{};
        QTest::newRow("folder") << m_dir.path() << Status::CannotOpen << QStringList{};
        // Shifting the rows one byte at a time puts every byte of a line, CR and LF included,
        // on the end of the first 1 MiB read block.
        for (int shift = 0; shift < 10; ++shift)
            for (const QByteArray end : {"\r\n", "\r", "\n"})
                row(QStringLiteral("shift %1, %2-byte line end").arg(shift).arg(end.size()),
                    ("10-1 1-1" + end).repeated(shift) + ("1-2 3-0" + end).repeated(140000),
                    Status::Ok, QStringList(shift, "10-1 1-1") + QStringList(140000, "1-2 3-0"));
        // The file ends exactly at the end of the first block, with and without a line end.
        row("one block, line end last", QByteArray("1-2 3-0\n").repeated(131072), Status::Ok,
            QStringList(131072, "1-2 3-0"));
        row("one block, bad last row", QByteArray("1-2 3-0\n").repeated(131071) + "1-2 3-00",
            Status::BadData);
        row("one block, row last", QByteArray("1-2 3-0\n").repeated(131071) + "12-2 3-0",
            Status::Ok, QStringList(131071, "1-2 3-0") << "12-2 3-0");
    }
    void read()
    {
        QFETCH(QString, path);
        QFETCH(Status, status);
        QFETCH(QStringList, rows);
        const RowFile::ReadResult result = RowFile::read(path);
        QCOMPARE(result.status, status);
        QCOMPARE(textsOf(result.rows), rows);
        QCOMPARE(result.columnCount, rows.isEmpty() ? 0 : int(rows[0].count(' ')) + 1);
    }

    void cancelStopsReading()
    {
        const QString path = fileWith(QByteArray("1-2 3-4\r\n").repeated(300000));
        QCOMPARE(RowFile::read(path, [](qint64, qint64) { return false; }).status,
                 Status::Cancelled);
    }

    // A file with more rows than a list can hold is refused before anything is read or
    // reserved. Sparse, so it costs no disk.
    void tooLargeFileIsRefused()
    {
        QFile huge(m_dir.filePath("huge.txt"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (!huge.resize(qint64(18) << 30))
            QSKIP("the temporary folder takes no sparse file this large");
        huge.close();
        const RowFile::ReadResult result = RowFile::read(huge.fileName());
        QCOMPARE(result.status, Status::TooLarge);
        QVERIFY(result.rows.empty());
    }

    // More than one write block, unsorted, with duplicates.
    void saveAndOpenKeepTheOrder()
    {
        const QByteArray content =
            QByteArray("2-1 0-3 1-1\r\n10-2 11-0 0-0\r\n2-1 0-3 1-1\r\n").repeated(40000);
        const QString path = m_dir.filePath("saved.txt");
        QVERIFY(RowFile::write(path, RowFile::read(fileWith(content)).rows));
        QCOMPARE(TestFile::read(path), content);
    }

    // Saves made to fail in ways that hold for root too: the target stays as it was.
    void failedSave_data()
    {
        QTest::addColumn<QString>("target"); // "" for the existing file "old.txt"
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("sizeLimit"); // bytes a file may grow to, 0 for no limit
        QTest::newRow("onto a folder") << "folder.txt" << 1 << 0;
        QTest::newRow("under a plain file") << "old.txt/rows.txt" << 1 << 0;
        // A small save reaches the disk only on the final flush.
        QTest::newRow("disk full at the flush") << "" << 1000 << 4096;
        QTest::newRow("disk full at a later block") << "" << 200000 << (3 << 19);
    }
    void failedSave()
    {
        QFETCH(QString, target);
        QFETCH(int, rows);
        QFETCH(int, sizeLimit);
        const QString old = fileWith("3-3 3-3\r\n", "old.txt");
        QDir(m_dir.path()).mkdir("folder.txt");
        const std::vector<ScoreRow> list(size_t(rows), ScoreRow::fromText(u"1-1 2-2 3-3").value());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit unlimited = limit;
        limit.rlim_cur = rlim_t(sizeLimit);
        if (sizeLimit > 0)
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QString error;
        const bool saved =
            RowFile::write(target.isEmpty() ? old : m_dir.filePath(target), list, &error);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFile::read(old), QByteArray("3-3 3-3\r\n"));
        QVERIFY(QFileInfo(m_dir.filePath("folder.txt")).isDir());
    }

    // A folder where no new file can be made: the safe save has no room for its temporary
    // file, so the existing file is written in place.
    void saveInPlaceWhereNoNewFileFits()
    {
        if (geteuid() == 0)
            QSKIP("root makes files in any folder");
        QTemporaryDir locked;
        const QString path = locked.filePath("rows.txt");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("3-3 3-3\r\n");
        }
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool saved = RowFile::write(path, {ScoreRow::fromText(u"1-1 1-1").value()});
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(saved);
        QCOMPARE(TestFile::read(path), QByteArray("1-1 1-1\r\n"));
    }
};

QTEST_GUILESS_MAIN(RowFileTest)
#include "tst_rowfile.moc"
