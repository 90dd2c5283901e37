// The recovery copy's file and the slots running programs keep their copies in.
#include "files/recoverystore.h"
#include "tests/testfile.h"
#include <QtTest>

namespace {
std::vector<ScoreRow> rows(const QString& texts)
{
    std::vector<ScoreRow> list;
    for (const QString& text : texts.split(", ", Qt::SkipEmptyParts))
        list.push_back(*ScoreRow::fromText(text));
    return list;
}

QString texts(const std::vector<ScoreRow>& list)
{
    QStringList all;
    for (ScoreRow row : list)
        all << row.text();
    return all.join(", ");
}
} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    // Any file name, with any rows, comes back as written.
    void copyKeepsRowsAndName_data()
    {
        QTest::addColumn<QString>("listFile");
        QTest::addColumn<QString>("rows");
        QTest::newRow("no file") << ""
                                 << "2-1 0-3";
        QTest::newRow("blanks and letters") << "/home/pelaaja/Ääkköset ja välit/lista 1.txt"
                                            << "2-1 0-3 1-1, 10-11 0-0 3-3";
        QTest::newRow("a line break") << "kaksi\nriviä.txt"
                                      << "0-0 0-0, 0-0 0-0";
    }
    void copyKeepsRowsAndName()
    {
        QFETCH(QString, listFile);
        QFETCH(QString, rows);
        QTemporaryDir dir;
        const QString path = dir.filePath("copy.txt");
        QVERIFY(RecoveryCopy::write(path, listFile, ::rows(rows)));
        const RecoveryCopy::Content copy = RecoveryCopy::read(path);
        QVERIFY(copy.ok);
        QCOMPARE(copy.listFile, listFile);
        QCOMPARE(texts(copy.rows), rows);
        QCOMPARE(copy.columnCount, ::rows(rows).front().matchCount());
    }

    // A copy is read whole or not at all.
    void damagedCopyRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("ok");
        // clang-format off
        QTest::newRow("whole") << QByteArray("SARVENTO-PALAUTUS 1 2 a%20b\r\n1-1 1-1\r\n2-2 2-2\r\n") << true;
        QTest::newRow("rows only") << QByteArray("1-1 1-1\r\n") << false;
        QTest::newRow("fewer rows than told") << QByteArray("SARVENTO-PALAUTUS 1 3 \r\n1-1 1-1\r\n2-2 2-2\r\n") << false;
        QTest::newRow("no rows") << QByteArray("SARVENTO-PALAUTUS 1 0 \r\n") << false;
        QTest::newRow("count not a number") << QByteArray("SARVENTO-PALAUTUS 1 x \r\n1-1 1-1\r\n") << false;
        QTest::newRow("a field too many") << QByteArray("SARVENTO-PALAUTUS 1 1 a b\r\n1-1 1-1\r\n") << false;
        QTest::newRow("bad row") << QByteArray("SARVENTO-PALAUTUS 1 1 \r\n1-x 1-1\r\n") << false;
        QTest::newRow("header cut") << QByteArray("SARVENTO-PALAUTUS 1 1") << false;
        // clang-format on
    }
    void damagedCopyRefused()
    {
        QTemporaryDir dir;
        QFETCH(QByteArray, content);
        QTEST(RecoveryCopy::read(TestFile::write(dir, "copy.txt", content)).ok, "ok");
    }

    // Each running store has a slot of its own; a copy left by one that is gone is claimed
    // first, by one store only.
    void slotsAreOwnedByOneStore()
    {
        QTemporaryDir dir;
        auto first = std::make_unique<RecoveryStore>(dir.path());
        RecoveryStore second(dir.path());
        QVERIFY(first->isClaimed() && second.isClaimed());
        QVERIFY(first->copyPath() != second.copyPath());
        QVERIFY(!first->hasLeftCopy() && !second.hasLeftCopy());
        first->save(rows("1-1 1-1"), "a.txt");
        second.save(rows("2-2 2-2"), "b.txt");
        second.waitUntilDone();
        const QString firstCopy = first->copyPath();
        first.reset(); // finishes its copy and keeps it, as a crash would
        QVERIFY(QFile::exists(firstCopy));

        RecoveryStore third(dir.path());
        QVERIFY(third.hasLeftCopy());
        QCOMPARE(third.copyPath(), firstCopy);
        QCOMPARE(texts(third.readLeftCopy().rows), "1-1 1-1");
        RecoveryStore fourth(dir.path()); // the second one's copy stays its own
        QVERIFY(!fourth.hasLeftCopy());
        QVERIFY(fourth.copyPath() != second.copyPath());
    }

    // Saves and removals are done in the order asked.
    void copiesFollowTheLastWish()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        store.save(rows("1-1 1-1"), QString());
        store.discard();
        store.waitUntilDone();
        QVERIFY(!QFile::exists(store.copyPath()));
        store.discard();
        store.save(rows("3-3 3-3"), QString());
        store.waitUntilDone();
        QCOMPARE(texts(RecoveryCopy::read(store.copyPath()).rows), "3-3 3-3");
    }

    // A damaged copy is kept under a new name, never written over nor offered again.
    void damagedCopySetAside()
    {
        QTemporaryDir dir;
        TestFile::write(dir, "palautus-1.txt", "rikki");
        TestFile::write(dir, "palautus-1-vioittunut.txt", "vanha");
        RecoveryStore store(dir.path());
        QVERIFY(store.hasLeftCopy());
        QVERIFY(!store.readLeftCopy().ok);
        const QString aside = store.setLeftCopyAside();
        QCOMPARE(aside, dir.filePath("palautus-1-vioittunut-2.txt"));
        QCOMPARE(TestFile::read(aside), QByteArray("rikki"));
        QVERIFY(!store.hasLeftCopy() && !QFile::exists(store.copyPath()));
    }
};

QTEST_GUILESS_MAIN(RecoveryTest)
#include "tst_recovery.moc"
