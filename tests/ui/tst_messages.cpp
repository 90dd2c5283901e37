// Messages are plain text, and settings that cannot be stored are told once a run.
#include "ui/texts.h"
#include "windowtest.h"
#include <QDir>
#include <QLabel>

using namespace WindowTest;

class TestMessages : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // Hosts, file names and rows from outside turn into no markup and no link.
    void boxesShowPlainText()
    {
        const QString text = "Nimi <a href='file:///etc/passwd'>www.example.com</a> a &amp; b";
        const QString detail = "<b>Levy</b> <img src='/etc/passwd'>";
        for (const auto buttons :
             {QMessageBox::StandardButtons(QMessageBox::Ok), QMessageBox::Yes | QMessageBox::No}) {
            const auto box = MessageBox::build(nullptr, Texts::AppTitle, text,
                                               MessageBox::Exclamation, buttons, detail);
            QStringList shown;
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().isEmpty())
                    continue; // the icon
                shown << label->text();
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QVERIFY(!label->openExternalLinks());
            }
            QCOMPARE(shown.join('|'), text + '|' + detail);
        }
    }

    // Three settings refused by the store are told once, and hold until the program ends.
    void unwritableSettingsAreToldOnce()
    {
        const QString file = m_settings.filePath("SarVento/SarVento.ini");
        QVERIFY(QDir().mkpath(file)); // a folder where the file belongs
        SettingsStore::resetWriteFailureTold();
        ModalRunner::setHandler([](QDialog& notice) {
            child<QPushButton>(notice, "cmdHyvaksyn")->click();
            child<QCheckBox>(notice, "chkAlaNayta")->click();
            child<QPushButton>(notice, "cmdOK")->click();
            return notice.result();
        });
        SeededRandom seeded;
        frmSarvento w(seeded.random);
        QVERIFY(w.Form_Load());
        QCOMPARE(play(w, "yes; menu MnuVaroitukset"), QString()); // the warnings off by default

        QCOMPARE(MessageBox::shownTexts(),
                 QStringList({"Asetuksia ei voi tallentaa. Tämän käytön valinnat ovat voimassa, "
                              "kunnes ohjelma suljetaan, mutta seuraavalla käynnistyskerralla ne "
                              "on unohdettu.",
                              "Asetetaanko tämä oletukseksi?"}));
        QCOMPARE(MessageBox::shownDetails().value(0),
                 "Asetustiedostoon " + file + " ei voi kirjoittaa.");
        QCOMPARE(SettingsStore::read("Rekisteri", "Hyvaksy") +
                     SettingsStore::read("Rekisteri", "AlaNaytaInfoa") +
                     SettingsStore::read("Rekisteri", "Varoitus"),
                 "TrueTrueFalse");

        // Writable again: nothing more is told.
        QVERIFY(QDir(file).removeRecursively());
        QVERIFY(SettingsStore::write("Rekisteri", "Varoitus", "True"));
        QCOMPARE(MessageBox::shownTexts().size(), 2);
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
