#include "fileprinters.h"
#include "settings/settingskeys.h"
#include "ui/frmReunukset.h"
#include "windowtest.h"

using namespace WindowTest;

namespace {
QString stored(const QString& key)
{
    return SettingsStore::read(SettingsKeys::Tulostus, key);
}
} // namespace

class FrmReunuksetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    QTemporaryDir m_out;
    std::unique_ptr<FilePrinters> m_printers;
    std::unique_ptr<frmReunukset> m_window;

    QLineEdit* box(const char* name) { return child<QLineEdit>(*m_window, name); }
    QPushButton* button(const char* name) { return child<QPushButton>(*m_window, name); }
    void open() { m_window = std::make_unique<frmReunukset>(*m_printers); }
    void store(const QString& vaaka, const QString& pysty)
    {
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna, vaaka);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, pysty);
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init()
    {
        resetBetweenTests(m_settings);
        m_printers = std::make_unique<FilePrinters>(m_out.path());
    }

    // "Käytä" only while both boxes read as numbers, from opening on.
    void enabling_data()
    {
        QTest::addColumn<QString>("storedVaaka");
        QTest::addColumn<QString>("storedPysty");
        QTest::addColumn<bool>("enabledAtOpening");
        QTest::addColumn<QString>("typedVaaka");
        QTest::addColumn<bool>("enabledAfterTyping");
        // clang-format off
        QTest::newRow("first use") << "" << "" << false << "1" << false;
        QTest::newRow("numbers stored") << "-2" << "3" << true << "x" << false;
        QTest::newRow("decimal comma") << "2,6" << "-4,5" << true << "-4,0" << true;
        QTest::newRow("point typed") << "abc" << "1" << false << "2.5" << true;
        QTest::newRow("one box empty") << "2" << "" << false << "3" << false;
        QTest::newRow("letters after digits") << "1" << "1" << true << "1a" << false;
        // clang-format on
    }
    void enabling()
    {
        QFETCH(QString, storedVaaka);
        QFETCH(QString, storedPysty);
        store(storedVaaka, storedPysty);
        open();
        QCOMPARE(box("txtVaakaReuna")->text(), storedVaaka);
        QCOMPARE(box("txtPystyReuna")->text(), storedPysty);
        QTEST(button("cmdAsetaReunat")->isEnabled(), "enabledAtOpening");
        QFETCH(QString, typedVaaka);
        box("txtVaakaReuna")->setText(typedVaaka);
        QTEST(button("cmdAsetaReunat")->isEnabled(), "enabledAfterTyping");
    }

    // "Käytä" stores the shortest form and closes; "Oletus" alone stores nothing.
    void store_data()
    {
        QTest::addColumn<QString>("vaaka");
        QTest::addColumn<QString>("pysty");
        QTest::addColumn<QString>("storedVaaka");
        QTest::addColumn<QString>("storedPysty");
        // clang-format off
        QTest::newRow("trailing zeros") << "-4,0" << "3" << "-4" << "3";
        QTest::newRow("fractions kept") << "2,50" << "1.5" << "2,5" << "1,5";
        QTest::newRow("Oletus") << "Oletus" << "" << "0" << "0";
        // clang-format on
    }
    void store()
    {
        QFETCH(QString, vaaka);
        QFETCH(QString, pysty);
        open();
        if (vaaka == "Oletus") {
            button("cmdOletus")->click();
            QCOMPARE(box("txtVaakaReuna")->text() + " " + box("txtPystyReuna")->text(), "0,0 0,0");
            QCOMPARE(stored(SettingsKeys::VaakaReuna), "");
        } else {
            box("txtVaakaReuna")->setText(vaaka);
            box("txtPystyReuna")->setText(pysty);
        }
        button("cmdAsetaReunat")->click();
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        QTEST(stored(SettingsKeys::VaakaReuna), "storedVaaka");
        QTEST(stored(SettingsKeys::PystyReuna), "storedPysty");
    }

    void closingWithoutKaytaStoresNothing()
    {
        store("1", "2");
        open();
        box("txtVaakaReuna")->setText("5");
        m_window->reject();
        QCOMPARE(stored(SettingsKeys::VaakaReuna) + " " + stored(SettingsKeys::PystyReuna), "1 2");
    }

    void clickSelectsWholeText()
    {
        store("-12,5", "3");
        open();
        QLineEdit* vaaka = box("txtVaakaReuna");
        QTest::mouseClick(vaaka, Qt::LeftButton, {}, QPoint(3, vaaka->height() / 2));
        QCOMPARE(vaaka->selectedText(), "-12,5");
    }

    // The sheet carries the shift typed in the boxes, stored or not.
    void calibrationSheet()
    {
        store("0", "0");
        open();
        box("txtVaakaReuna")->setText("-2");
        box("txtPystyReuna")->setText("3,5");
        button("cmdKoearkki")->click();
        const QList<PdfReading::Word> words = PdfReading::words(m_printers->path("kuponki.pdf"));
        auto markAt = [&](double x, double y) {
            return std::any_of(words.begin(), words.end(), [&](const PdfReading::Word& w) {
                return w.text == "X" && std::abs(w.x - x) < 0.3 && std::abs(w.y - y) < 0.3;
            });
        };
        QVERIFY(markAt(8 + 3.5, 20 - 2));
        QVERIFY(markAt(93 + 3.5, 61 - 2));
        QVERIFY(markAt(17 + 3.5, 52 - 2));
        QVERIFY(markAt(53 + 3.5, 66 - 2));
        QCOMPARE(stored(SettingsKeys::PystyReuna), "0");
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }
};

QTEST_MAIN(FrmReunuksetTest)
#include "tst_frmreunukset.moc"
