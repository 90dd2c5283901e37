// Whether the list's rows are saved, the question before closing with unsaved rows, and the
// recovery copy of such rows offered back after a crash.
#include "files/recoverystore.h"
#include "ui/listdocument.h"
#include "windowtest.h"

using namespace WindowTest;

namespace {
// The program as main() makes it: past the notice, its recovery copies kept in store's slot.
struct Program : SeededRandom, frmSarvento
{
    explicit Program(RecoveryStore& store) : frmSarvento(random)
    {
        SettingsStore::write("Rekisteri", "AlaNaytaInfoa", "True");
        SettingsStore::write("Rekisteri", "Varoitus", "False");
        setRecovery(store);
        if (!Form_Load())
            QTest::qFail("the main window did not start", __FILE__, __LINE__);
    }
    ListDocument& document() { return *findChild<ListDocument*>(); }
    // True once a copy was written, within the time it may take.
    bool copied()
    {
        QSignalSpy written(&document(), &ListDocument::copyWritten);
        return written.wait(ListDocument::CopyGapMs + 3000);
    }
};

const QString Question = "Listalla on tallentamattomia rivejä (%1 riviä). Tallennetaanko ne?";
const QByteArray FileRows("2-1 0-3 1-1\r\n1-1 1-1 0-0\r\n");
} // namespace

class TestUnsavedList : public HeadlessWindowTest
{
    Q_OBJECT
    QTemporaryDir m_files;

    // %1 holds FileRows; %2 is a folder for new files.
    QString prepared(const QString& script)
    {
        TestFile::write(m_files, "lista.txt", FileRows);
        QDir(m_files.path()).removeRecursively();
        QDir().mkpath(m_files.filePath("uudet"));
        TestFile::write(m_files, "lista.txt", FileRows);
        return QString(script)
            .replace("%1", m_files.filePath("lista.txt"))
            .replace("%2", m_files.filePath("uudet"));
    }
    QString seenHere(frmSarvento& w, const QString& expected)
    {
        return seen(w, expected).replace(m_files.path() + '/', "");
    }

private slots:
    // The title names the list's file and marks unsaved rows; saved is where the list was
    // opened, saved or emptied, and undoing back there.
    void savedState_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("title");
        const QString open = "file %1; menu MnuAvaa; ";
        const QString draw = "draw 3 2; ";
        // clang-format off
        QTest::newRow("start") << "" << "Nimetön - Sarvento";
        QTest::newRow("drawn") << draw << "Nimetön* - Sarvento";
        QTest::newRow("drawn, undone") << draw + "menu MnuKumoa" << "Nimetön - Sarvento";
        QTest::newRow("opened") << open << "lista.txt - Sarvento";
        QTest::newRow("opened, drawn") << open + "draw 3 1" << "lista.txt* - Sarvento";
        QTest::newRow("opened, drawn, undone") << open + "draw 3 1; menu MnuKumoa" << "lista.txt - Sarvento";
        QTest::newRow("opened, drawn, undone, redone") << open + "draw 3 1; menu MnuKumoa; menu MnuTeeUudelleen" << "lista.txt* - Sarvento";
        QTest::newRow("opened, the open undone") << open + "menu MnuKumoa" << "lista.txt - Sarvento";
        QTest::newRow("opened into rows") << draw + "no; " + open << "Nimetön* - Sarvento";
        QTest::newRow("dropped alone") << "drop %1" << "lista.txt - Sarvento";
        QTest::newRow("two dropped") << "no; drop %1 %1" << "Nimetön* - Sarvento";
        QTest::newRow("saved") << draw + "file %2/uusi.txt; menu MnuTallenna" << "uusi.txt - Sarvento";
        QTest::newRow("saved, then one more") << draw + "file %2/uusi.txt; menu MnuTallenna; draw 3 1" << "uusi.txt* - Sarvento";
        QTest::newRow("save failed") << draw + "file %2/ei/uusi.txt; menu MnuTallenna" << "Nimetön* - Sarvento";
        QTest::newRow("save cancelled") << draw + "file; menu MnuTallenna" << "Nimetön* - Sarvento";
        QTest::newRow("list emptied") << "off; " + open + "draw 3 1; menu MnuTyhjennäLista; draw 3 1; menu MnuKumoa" << "Nimetön - Sarvento";
        QTest::newRow("emptying undone") << "off; " + open + "menu MnuTyhjennäLista; menu MnuKumoa" << "Nimetön* - Sarvento";
        QTest::newRow("emptying refused") << open + "draw 3 1; no; menu MnuTyhjennäLista" << "lista.txt* - Sarvento";
        QTest::newRow("all emptied") << "off; " + draw + "menu MnuTyhjennäKaikki" << "Nimetön - Sarvento";
        // clang-format on
    }
    void savedState()
    {
        QFETCH(QString, script);
        MainWindow w(script);
        QCOMPARE(play(w, prepared(script)), QString());
        QTEST(observe(w, "title"), "title");
        MessageBox::reset();
    }

    // Closing asks about unsaved rows whatever the warnings say; "Oletko varma?" only when
    // there were none. The list's file after it is in "lista.txt", a new one in "uusi.txt".
    void closing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("saved"); // lista.txt, or uusi.txt where there is one
        const QString drawn = "add 1-1 1-1 1-1; ";
        const QString opened = "file %1; menu MnuAvaa; add 3-3 3-3 3-3; ";
        const QString asked = "told=" + Question.arg(1);
        const QByteArray three = FileRows + "3-3 3-3 3-3\r\n";
        // clang-format off
        QTest::newRow("save to its file") << opened + "save; menu MnuLopeta" << "visible=0|told=" + Question.arg(3) + "|recent=lista.txt" << three;
        QTest::newRow("save, named") << drawn + "save; file %2/uusi.txt; menu MnuLopeta" << asked + "|visible=0|recent=uudet/uusi.txt" << QByteArray("1-1 1-1 1-1\r\n");
        QTest::newRow("save, name cancelled") << drawn + "save; file; menu MnuLopeta" << asked + "|visible=1|title=Nimetön* - Sarvento" << QByteArray();
        QTest::newRow("save failed") << drawn + "save; file %2/ei/uusi.txt; menu MnuLopeta" << asked + " / Tallennus epäonnistui!|visible=1" << QByteArray();
        QTest::newRow("save, not over another") << drawn + "save; file %1; no; menu MnuLopeta" << asked + " / Talletetaanko olemassa olevan tiedoston päälle|visible=1" << FileRows;
        QTest::newRow("discard") << opened + "discard; menu MnuLopeta" << "visible=0|told=" + Question.arg(3) << FileRows;
        QTest::newRow("cancel") << opened + "cancel; menu MnuLopeta" << "visible=1|rows=2-1 0-3 1-1, 1-1 1-1 0-0, 3-3 3-3 3-3" << FileRows;
        QTest::newRow("warnings off, asked") << "off; " + drawn + "discard; menu MnuLopeta" << asked + "|visible=0" << QByteArray();
        QTest::newRow("saved list, warnings on") << "file %1; menu MnuAvaa; yes; menu MnuLopeta" << "told=Pelimies ei lopeta   ;)|visible=0" << FileRows;
        QTest::newRow("saved list, warnings off") << "off; file %1; menu MnuAvaa; menu MnuLopeta" << "told=|visible=0" << FileRows;
        QTest::newRow("emptied, warnings on") << drawn + "yes; menu MnuTyhjennäLista; no; menu MnuLopeta" << "told=Haluatko jatkaa?  / Pelimies ei lopeta   ;)|visible=1" << QByteArray();
        QTest::newRow("side list, discarded") << "off; menu MnuVetaile; file %1; click cmdAvaa_1; check 0 Lista1; click cmdPoista1_Samat; discard; menu MnuLopeta" << "titles=Lista 1|told=" + Question.arg(1) + "|visible=0" << FileRows;
        QTest::newRow("side list, cancelled") << "off; menu MnuVetaile; file %1; click cmdAvaa_1; check 0 Lista1; click cmdPoista1_Samat; cancel; menu MnuLopeta" << "visible=1|frmVertaile?=1" << FileRows;
        QTest::newRow("side list, saved") << "off; menu MnuVetaile; file %1; click cmdAvaa_1; check 0 Lista1; click cmdPoista1_Samat; save; menu MnuLopeta" << "visible=0|recent=lista.txt" << QByteArray("1-1 1-1 0-0\r\n");
        QTest::newRow("side list grown, saved") << "off; menu MnuVetaile; file %1; click cmdAvaa_2; file %1; click cmdAvaa_2; save; menu MnuLopeta" << "titles=Lista 2|visible=0|recent=lista.txt" << FileRows + FileRows;
        QTest::newRow("side list as opened") << "off; menu MnuVetaile; file %1; click cmdAvaa_1; menu MnuLopeta" << "told=|visible=0" << FileRows;
        QTest::newRow("side window closed alone") << "menu MnuVetaile; file %1; click cmdAvaa_1; check 0 Lista1; click cmdPoista1_Samat; cancel; close frmVertaile; discard; close frmVertaile" << "titles=Lista 1 / Lista 1|visible=1|frmVertaile?=0" << FileRows;
        // clang-format on
    }
    void closing()
    {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        MainWindow w(script);
        w.show();
        QCOMPARE(play(w, prepared(script)), QString());
        QCOMPARE(seenHere(w, expected), expected);
        const QString made = m_files.filePath("uudet/uusi.txt");
        QFETCH(QByteArray, saved);
        QCOMPARE(TestFile::read(QFile::exists(made) ? made : m_files.filePath("lista.txt")),
                 saved.isEmpty() ? FileRows : saved);
    }

    // Rows a run left unsaved come back at the next start when the player wants them, as one
    // undo step, with their file's name and the match count; otherwise the copy goes.
    void recovery_data()
    {
        QTest::addColumn<QByteArray>("copy"); // written over the one made, unless empty
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("copyKept");
        const QString restored = "rows=2-1 0-3 1-1, 1-1 1-1 0-0, 3-3 3-3 3-3|title=lista.txt* - "
                                 "Sarvento|undo=Kumoa: Palautus";
        // clang-format off
        QTest::newRow("restored") << QByteArray() << "yes" << restored + "|told=Edellinen istunto päättyi odottamatta. Palautetaanko lista (3 riviä)?" << true;
        QTest::newRow("declined") << QByteArray() << "no" << "rows=|title=Nimetön - Sarvento|steps=0" << false;
        QTest::newRow("of two matches") << QByteArray("SARVENTO-PALAUTUS 1 1 \r\n1-1 1-1\r\n") << "yes" << "rows=1-1 1-1|matches=2|title=Nimetön* - Sarvento|steps=1" << true;
        // clang-format on
    }
    void recovery()
    {
        QFETCH(QByteArray, copy);
        QFETCH(QString, answers);
        QTemporaryDir folder;
        QString copyPath;
        {
            RecoveryStore store(folder.path());
            Program crashed(store);
            QCOMPARE(play(crashed, prepared("file %1; menu MnuAvaa; add 3-3 3-3 3-3")), QString());
            QVERIFY(crashed.copied());
            copyPath = store.copyPath();
        } // gone without closing
        if (!copy.isEmpty())
            TestFile::write(folder, QFileInfo(copyPath).fileName(), copy);
        RecoveryStore store(folder.path());
        for (const QString& answer : answers.split(' ', Qt::SkipEmptyParts))
            MessageBox::setNextAnswer(answer == "yes");
        Program restarted(store);
        store.waitUntilDone();
        QFETCH(QString, expected);
        QCOMPARE(seenHere(restarted, expected), expected);
        QTEST(QFile::exists(copyPath), "copyKept");
    }

    // The copy is kept while there are unsaved rows, written soon after a change also while
    // changes go on; it goes when the rows are saved or the program ends as asked.
    void copyFollowsTheRows_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("kept");
        QTest::newRow("saved") << "file %2/uusi.txt; menu MnuTallenna" << false;
        QTest::newRow("emptied") << "menu MnuTyhjennäLista" << false;
        QTest::newRow("ended") << "discard; menu MnuLopeta" << false;
        QTest::newRow("ending cancelled") << "cancel; menu MnuLopeta" << true;
    }
    void copyFollowsTheRows()
    {
        QFETCH(QString, script);
        QTemporaryDir folder;
        RecoveryStore store(folder.path());
        Program w(store);
        QElapsedTimer changing;
        changing.start();
        QSignalSpy written(&w.document(), &ListDocument::copyWritten);
        while (written.isEmpty() && changing.elapsed() < ListDocument::CopyGapMs + 3000) {
            QCOMPARE(play(w, "add 1-1 1-1 1-1"), QString());
            QTest::qWait(50);
        }
        QVERIFY(QFile::exists(store.copyPath()));
        QCOMPARE(play(w, prepared(script)), QString());
        store.waitUntilDone();
        QTEST(QFile::exists(store.copyPath()), "kept");
    }

    // A list of many parts is copied whole and in order.
    void longListCopiedWhole()
    {
        QTemporaryDir folder;
        RecoveryStore store(folder.path());
        Program w(store);
        std::vector<ScoreRow> rows;
        for (size_t i = 0; i < 2 * ListDocument::CopyPart + 3; ++i)
            rows.push_back(
                ScoreRow(3, {int(i % 12), int(i / 12 % 12), int(i / 144 % 12), 0, 1, 2}));
        w.rowList().appendAll(rows);
        QVERIFY(w.copied());
        QVERIFY(RecoveryCopy::read(store.copyPath()).rows == rows);
    }

    // A copy that cannot be written is told once a run, and the list goes on.
    void copyFailureToldOnce()
    {
        RecoveryStore nowhere("/dev/null/palautus");
        Program w(nowhere);
        QCOMPARE(play(w, "add 1-1 1-1 1-1"), QString());
        QSignalSpy failed(&nowhere, &RecoveryStore::saveFailed);
        QVERIFY(failed.wait(ListDocument::CopyGapMs + 3000));
        QCOMPARE(play(w, "add 2-2 2-2 2-2"), QString());
        QVERIFY(failed.wait(ListDocument::CopyGapMs + 3000));
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QVERIFY(MessageBox::shownTexts().front().startsWith("Tallentamattomista riveistä ei voi"));
        QCOMPARE(observe(w, "rows"), "1-1 1-1 1-1, 2-2 2-2 2-2");
    }
};

QTEST_MAIN(TestUnsavedList)
#include "tst_unsavedlist.moc"
