// Recovery across real ends of the program: each run is a process of its own, killed as a
// crash or a power cut would end it.
#include "tests/testfile.h"
#include <QProcess>
#include <QtTest>

namespace {
constexpr int Waited = 15000;
} // namespace

class TestRecoveryProcess : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

    QString copyFolder() const { return m_home.filePath("data/Sarvento"); }
    QStringList copies() const
    {
        return QDir(copyFolder()).entryList({"palautus-*.txt"}, QDir::Files, QDir::Name);
    }

    // A run answering answers, adding rows; with wait, running until killed once it has
    // written a copy.
    std::unique_ptr<QProcess> start(const QString& answers, const QString& rows, bool wait)
    {
        auto run = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        run->setProcessEnvironment(env);
        QStringList args{answers, rows};
        if (wait)
            args << "wait";
        run->start(RECOVERY_DRIVER, args);
        if (!run->waitForStarted(Waited))
            QTest::qFail("the program did not start", __FILE__, __LINE__);
        return run;
    }
    // What a run wrote before it ended, or, with wait, until it wrote a copy.
    static QString output(QProcess& run, bool wait)
    {
        QString seen;
        while (!(wait ? seen.contains("copied") : run.state() == QProcess::NotRunning)) {
            if (!run.waitForReadyRead(Waited) && run.state() != QProcess::NotRunning) {
                QTest::qFail("the program said nothing in time", __FILE__, __LINE__);
                break;
            }
            seen += QString::fromUtf8(run.readAllStandardOutput());
        }
        run.waitForFinished(wait ? 0 : Waited);
        return (seen + QString::fromUtf8(run.readAllStandardOutput())).trimmed();
    }
    static void kill(QProcess& run)
    {
        run.kill(); // SIGKILL: nothing of the program runs on its way out
        run.waitForFinished(Waited);
    }

private slots:
    void init() { QDir(m_home.path()).removeRecursively(); }

    // A killed run's rows come back on Yes; on No the copy goes.
    void killedRunRecovered_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("copiesLeft");
        QTest::newRow("yes") << "y"
                             << "rows=1-1 1-1 1-1, 2-0 0-2 3-3" << 1;
        QTest::newRow("no") << "n"
                            << "rows=" << 0;
    }
    void killedRunRecovered()
    {
        auto crashed = start("-", "1-1 1-1 1-1;2-0 0-2 3-3", true);
        QCOMPARE(output(*crashed, true), "rows=\ntold=\ncopied");
        kill(*crashed);
        QCOMPARE(copies().size(), 1);
        QFETCH(QString, answer);
        auto next = start(answer, "", false);
        const QString seen = output(*next, false);
        QTEST(seen.section('\n', 0, 0), "rows");
        QCOMPARE(seen.section('\n', 1),
                 "told=Edellinen istunto päättyi odottamatta. Palautetaanko lista (2 riviä)?");
        QTEST(int(copies().size()), "copiesLeft");
    }

    // A damaged copy is told of and kept aside; nothing is asked.
    void damagedCopyKeptAside()
    {
        QDir().mkpath(copyFolder());
        QFile damaged(copyFolder() + "/palautus-1.txt");
        QVERIFY(damaged.open(QIODevice::WriteOnly) &&
                damaged.write("SARVENTO-PALAUTUS 1 5 \r\n") > 0);
        damaged.close();
        auto next = start("-", "", false);
        QCOMPARE(output(*next, false),
                 "rows=\ntold=Edellisen istunnon palautuskopio on vioittunut, eikä sitä voi "
                 "palauttaa.");
        QCOMPARE(copies(), QStringList{"palautus-1-vioittunut.txt"});
    }

    // A second run beside the first neither takes nor touches the first one's copy.
    void secondRunLeavesTheFirstCopy()
    {
        auto first = start("-", "1-1 1-1 1-1", true);
        QCOMPARE(output(*first, true), "rows=\ntold=\ncopied");
        const QByteArray firstCopy = TestFile::read(copyFolder() + "/palautus-1.txt");
        auto second = start("-", "2-2 2-2 2-2", true); // any question would end it
        QCOMPARE(output(*second, true), "rows=\ntold=\ncopied");
        QCOMPARE(TestFile::read(copyFolder() + "/palautus-1.txt"), firstCopy);
        QCOMPARE(copies(), (QStringList{"palautus-1.txt", "palautus-2.txt"}));
        kill(*first);
        kill(*second);
        auto third = start("y", "", false);
        QCOMPARE(output(*third, false).section('\n', 0, 0), "rows=1-1 1-1 1-1");
    }
};

QTEST_GUILESS_MAIN(TestRecoveryProcess)
#include "tst_recoveryprocess.moc"
