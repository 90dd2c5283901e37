#include "files/rowfile.h"
#include "files/rowmerge.h"
#include "tests/namedpipe.h"
#include "tests/testfile.h"
#include <QtTest>
#include <unistd.h>

using RowFile::Status;
using Plan = RowMerge::Plan;
Q_DECLARE_METATYPE(Plan)

class RowFileTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<NamedPipe> m_pipe;

private slots:
    // Also after a failed check: no later test may run with a seam of an earlier one.
    void cleanup()
    {
        RowFile::Testing::setNoTemporaryFile(false);
        RowFile::Testing::setReserve({});
    }

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
        // The first 1 MiB read block ends between the CR and the LF of a line end.
        row("CR LF split by the block",
            QByteArray("10-1 1-1\r\n").repeated(5) + QByteArray("1-2 3-0\r\n").repeated(140000),
            Status::Ok, QStringList(5, "10-1 1-1") + QStringList(140000, "1-2 3-0"));
        row("a row ends the first block and the file",
            QByteArray("1-2 3-0\n").repeated(131071) + "12-2 3-0", Status::Ok,
            QStringList(131071, "1-2 3-0") << "12-2 3-0");
        // Only a regular file is read: a pipe without waiting for a writer, a device (read as
        // an empty file) without reading it, a huge file before anything is reserved.
        m_pipe = std::make_unique<NamedPipe>(m_dir.filePath("fifo.txt"));
        QTest::newRow("pipe") << m_dir.filePath("fifo.txt") << Status::CannotOpen << QStringList();
        QTest::newRow("device") << "/dev/null" << Status::CannotOpen << QStringList();
        QTest::newRow("folder") << m_dir.path() << Status::CannotOpen << QStringList();
        const QString link = m_dir.filePath("link");
        QFile::link(TestFile::write(m_dir, "rows.txt", "1-1 1-1\r\n"), link);
        QTest::newRow("link") << link << Status::Ok << QStringList{"1-1 1-1"};
        QFile huge(m_dir.filePath("huge.txt")); // sparse, so it costs no disk
        if (huge.open(QIODevice::WriteOnly) && huge.resize(qint64(18) << 30))
            QTest::newRow("too large") << huge.fileName() << Status::TooLarge << QStringList();
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
        QVERIFY(!m_pipe->waitedFor());
    }

    // target: new, old N (rows in an old file), folder, pipe, no folder, locked new (a folder
    // that takes no new file), read-only old N. seams: "in place" (as if no new file could be
    // made beside the target), reserve=full|grow|unsupported (how reserving room fails). why:
    // empty when saved.
    void save_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("seams");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("why");
        const QString full = "Levyllä ei ole tilaa tiedostolle.";
        const QString noAccess = "Kansioon tai tiedostoon ei ole kirjoitusoikeutta.";
        // clang-format off
        QTest::newRow("new file") << "new" << "" << 3 << "";
        QTest::newRow("in place, shorter") << "old 100" << "in place" << 1 << "";
        QTest::newRow("in place, longer") << "old 1" << "in place" << 200000 << "";
        QTest::newRow("in place, no reserving, room enough") << "old 1" << "in place|reserve=unsupported" << 1000 << "";
        QTest::newRow("in place, disk full") << "old 1" << "in place|reserve=full" << 1000 << full;
        QTest::newRow("in place, full after growing") << "old 1" << "in place|reserve=grow" << 1000 << full;
        QTest::newRow("in place, no file to write over") << "new" << "in place" << 1 << noAccess;
        QTest::newRow("read-only file") << "read-only old 1" << "" << 3 << noAccess;
        QTest::newRow("locked folder, new file") << "locked new" << "" << 3 << noAccess;
        QTest::newRow("no folder") << "no folder" << "" << 1 << "Kansiota ei löydy.";
        QTest::newRow("folder") << "folder" << "" << 1 << "Valittu nimi on kansio, ei tiedosto.";
        QTest::newRow("pipe") << "pipe" << "" << 1 << "Valittu nimi on nimetty putki, ei tiedosto.";
        // clang-format on
    }
    void save()
    {
        QFETCH(QString, target);
        QFETCH(QString, seams);
        QFETCH(int, rows);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QString path = dir.filePath("rows.txt");
        const bool locked = target.startsWith("locked ");
        const bool readOnly = target.startsWith("read-only ");
        if ((locked || readOnly) && geteuid() == 0)
            QSKIP("root writes into any folder and file");
        target.remove("locked ").remove("read-only ");
        // What a failure leaves; null: no file.
        const QByteArray before = target.startsWith("old ")
                                      ? QByteArray("3-3 3-3\r\n").repeated(target.mid(4).toInt())
                                      : QByteArray();
        std::unique_ptr<NamedPipe> pipe;
        if (!before.isNull())
            TestFile::write(dir, "rows.txt", before);
        else if (target == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (target == "pipe")
            pipe = std::make_unique<NamedPipe>(path);
        else if (target == "no folder")
            path = dir.filePath("poissa/rows.txt");
        if (locked)
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (readOnly)
            QFile::setPermissions(path, QFile::ReadOwner);
        const QStringList entriesBefore =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        for (const QString& seam : seams.split('|', Qt::SkipEmptyParts)) {
            const QString value = seam.section('=', 1);
            if (seam == "in place") {
                RowFile::Testing::setNoTemporaryFile(true);
            } else if (seam.startsWith("reserve=")) {
                RowFile::Testing::setReserve([value](int fd, qint64 bytes) {
                    if (value == "grow" && ftruncate(fd, off_t(bytes / 2)) != 0)
                        return errno;
                    return value == "unsupported" ? EOPNOTSUPP : ENOSPC;
                });
            }
        }
        QString told;
        const bool saved = RowFile::write(path, {size_t(rows), ScoreRow(2, {1, 2, 3, 4})}, &told);
        cleanup();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(told, why);
        QCOMPARE(saved, why.isEmpty());
        if (saved || !before.isNull())
            QCOMPARE(TestFile::read(path),
                     saved ? QByteArray("1-2 3-4\r\n").repeated(rows) : before);
        QVERIFY(!pipe || !pipe->waitedFor());
        // No temporary file is left behind, nor a new file made by a failure.
        QStringList entries = entriesBefore;
        if (saved && target == "new")
            entries << "rows.txt";
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 entries);
    }

    // A file of fileColumns matches (0: empty) into a list of one listedColumns row (0: none).
    void mergePlan_data()
    {
        QTest::addColumn<int>("listedColumns");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("fileColumns");
        QTest::addColumn<Plan>("plan");
        QTest::newRow("empty list, other width") << 0 << 3 << 2 << Plan::SwitchModeThenAppend;
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
