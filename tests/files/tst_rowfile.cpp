#include "files/pathkind.h"
#include "files/rowfile.h"
#include "files/rowmerge.h"
#include "tests/namedpipe.h"
#include "tests/testfile.h"
#include <QtTest>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using RowFile::Status;
using Plan = RowMerge::Plan;

class RowFileTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<NamedPipe> m_pipe;

private slots:
    // What a name is, in the words the recent list and the refusals use; only a file opens.
    void kinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        // clang-format off
        QTest::newRow("file") << "file" << "tiedosto";
        QTest::newRow("folder") << "." << "kansio";
        QTest::newRow("device") << "/dev/null" << "laite";
        QTest::newRow("socket") << "socket" << "pistoke";
        QTest::newRow("missing") << "missing" << "poissa";
        // clang-format on
    }
    void kinds()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        TestFile::write(dir, "file", "1-0 0-0\r\n");
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(dir.filePath("socket"));
        qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
        QVERIFY(listening >= 0 &&
                ::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        const QString path = name.startsWith('/') ? name : dir.filePath(name);
        QTEST(PathKind::describe(PathKind::of(path)), "kind");
        QFile file;
        QCOMPARE(PathKind::openRegularForReading(file, path), name == "file");
        ::close(listening);
    }

    // Also after a failed check: no later test may run with a seam of an earlier one.
    void cleanup()
    {
        RowFile::Testing::setNoTemporaryFile(false);
        RowFile::Testing::setReserve({});
        RowFile::Testing::setNewFileOpened({});
        RowFile::Testing::setSync({});
    }

    void read_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QStringList>("rows");
        const auto row = [this](const QString& name, const QByteArray& content, Status status,
                                const QStringList& rows = {}) {
            QTest::newRow(qPrintable(name))
                << TestFile::write(m_dir, name, content) << status << rows;
        };
        // Line formats are replayed over the reader's fuzz corpus; here what needs a real file.
        row("2 matches, last 3 without line end", "1-1 2-2\n1-1 2-2 3-3", Status::BadData);
        // The first 1 MiB read block ends between the CR and the LF of a line end.
        row("CR LF split by the block",
            QByteArray("10-1 1-1\r\n").repeated(5) + QByteArray("1-2 3-0\r\n").repeated(140000),
            Status::Ok, QStringList(5, "10-1 1-1") + QStringList(140000, "1-2 3-0"));
        row("a row ends the first block and the file",
            QByteArray("1-2 3-0\n").repeated(131071) + "12-2 3-0", Status::Ok,
            QStringList(131071, "1-2 3-0") << "12-2 3-0");
        // A pipe is not waited on, a huge file refused before anything is reserved.
        m_pipe = std::make_unique<NamedPipe>(m_dir.filePath("fifo.txt"));
        QTest::newRow("pipe") << m_dir.filePath("fifo.txt") << Status::CannotOpen << QStringList();
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

    // target: new, old N (rows), folder, pipe, locked new (folder takes no file),
    // read-only old N. seams: "in place" (no new file beside the target), reserve=full|grow|
    // unsupported (how reserving room fails), "write=full" (the new file beside the target is
    // /dev/full), sync=io|big|... (how the last sync fails). why: empty when saved.
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
        QTest::newRow("in place, longer") << "old 1" << "in place" << 200000 << "";
        QTest::newRow("in place, no reserving, room enough") << "old 1" << "in place|reserve=unsupported" << 1000 << "";
        QTest::newRow("in place, disk full") << "old 1" << "in place|reserve=full" << 1000 << full;
        QTest::newRow("in place, full after growing") << "old 1" << "in place|reserve=grow" << 1000 << full;
        QTest::newRow("new file, disk full while writing") << "new" << "write=full" << 3 << full;
        QTest::newRow("over an old file, disk full while writing") << "old 2" << "write=full" << 3 << full;
        QTest::newRow("over an old file, error on committing") << "old 2" << "sync=io" << 3 << "Levyn lukeminen tai kirjoittaminen epäonnistui.";
        QTest::newRow("too big on committing") << "new" << "sync=big" << 3 << "Tiedosto olisi suurempi kuin järjestelmä sallii.";
        QTest::newRow("read-only disk on committing") << "new" << "sync=read-only" << 3 << "Levylle ei voi kirjoittaa: se on vain luettavissa.";
        QTest::newRow("folder gone on committing") << "new" << "sync=gone" << 3 << "Kansiota ei löydy.";
        QTest::newRow("name too long on committing") << "new" << "sync=long" << 3 << "Tiedoston nimi on liian pitkä.";
        QTest::newRow("in place, a cause of no words of ours") << "old 9" << "in place|sync=other" << 3 << QString::fromLocal8Bit(strerror(EXDEV)) + " Vanha tiedosto voi olla vioittunut.";
        QTest::newRow("in place, no rows") << "old 1" << "in place" << 0 << "";
        QTest::newRow("in place, no file to write over") << "new" << "in place" << 1 << noAccess;
        QTest::newRow("read-only file") << "read-only old 1" << "" << 3 << noAccess;
        QTest::newRow("locked folder, new file") << "locked new" << "" << 3 << noAccess;
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
        const QString path = dir.filePath("rows.txt");
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
        if (locked)
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (readOnly)
            QFile::setPermissions(path, QFile::ReadOwner);
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
        const QStringList entriesBefore = QDir(dir.path()).entryList(all);

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
            } else if (seam == "write=full") {
                RowFile::Testing::setNewFileOpened([](int fd) {
                    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
                    QVERIFY(full >= 0 && dup2(full, fd) == fd);
                    close(full);
                });
            } else if (seam.startsWith("sync=")) {
                const QHash<QString, int> codes{
                    {"io", EIO},      {"big", EFBIG},         {"read-only", EROFS},
                    {"gone", ENOENT}, {"long", ENAMETOOLONG}, {"other", EXDEV}};
                const int code = codes.value(value);
                RowFile::Testing::setSync([code](int) { return code; });
            }
        }
        QString told;
        const bool saved = RowFile::write(path, {size_t(rows), ScoreRow(2, {1, 2, 3, 4})}, &told);
        cleanup();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(told, why);
        QCOMPARE(saved, why.isEmpty());
        // Only a save in place that says so may have damaged the old file.
        if (saved || (!before.isNull() && !why.endsWith("vioittunut.")))
            QCOMPARE(TestFile::read(path),
                     saved ? QByteArray("1-2 3-4\r\n").repeated(rows) : before);
        QVERIFY(!pipe || !pipe->waitedFor());
        // No temporary file is left behind, nor a new file made by a failure.
        QStringList entries = entriesBefore;
        if (saved && target == "new")
            entries << "rows.txt";
        QCOMPARE(QDir(dir.path()).entryList(all), entries);
    }

    // The list's rows decide, not the mode: after a mode switch with rows kept.
    void mergePlan()
    {
        RowListModel list;
        QCOMPARE(RowMerge::plan(list, 3, 2), Plan::SwitchModeThenAppend);
        list.appendAll({ScoreRow(3, {1, 1, 1, 1, 1, 1})});
        QCOMPARE(RowMerge::plan(list, 3, 2), Plan::WidthMismatch);
        QCOMPARE(RowMerge::plan(list, 2, 3), Plan::AskAboutDuplicates);
        // The answer: duplicates skipped and counted, or every row listed.
        const ScoreRow listed(3, {1, 1, 1, 1, 1, 1}), other(3, {2, 1, 1, 1, 1, 1});
        QCOMPARE(RowMerge::append(list, {listed, other, other}, true), 2);
        QCOMPARE(RowMerge::append(list, {listed, other}, false), 0);
        QCOMPARE(list.count(), 4);
    }
};

QTEST_GUILESS_MAIN(RowFileTest)
#include "tst_rowfile.moc"
