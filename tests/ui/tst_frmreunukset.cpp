// The print position window: offsets typed and stored.
#include "settings/settingskeys.h"
#include "ui/frmReunukset.h"
#include "ui/printerchoice.h"
#include "windowtest.h"

using namespace WindowTest;

class FrmReunuksetTest : public HeadlessWindowTest
{
    Q_OBJECT

    DialogPrinterChoice m_printers; // never asked here
    std::unique_ptr<frmReunukset> m_window;

    QLineEdit* box(const char* name) { return child<QLineEdit>(*m_window, name); }

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); }

    // "Käytä" works only while both boxes read as numbers, from opening on; it stores them in
    // their shortest form, with a decimal comma, and closes. Closing stores nothing. A comma
    // and a point both serve in any language; the boxes show the player's own format.
    void typeAndStore_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("opened"); // stored at opening
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("enabledAtOpening");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("letters typed") << false << "-2|3" << "-2|3" << true << "x|3" << false << "Käytä" << "-2|3";
        QTest::newRow("trailing zero, point") << false << "abc|1" << "abc|1" << false << "-4,0|2.50" << true << "Käytä" << "-4|2,5";
        QTest::newRow("Oletus, then Käytä") << false << "1|2" << "1|2" << true << "x|x" << false << "Oletus" << "0|0";
        QTest::newRow("closed") << false << "1|2" << "1|2" << true << "5|5" << true << "close" << "1|2";
        QTest::newRow("stored with a point, Finnish") << false << "2.6|-0.50" << "2,6|-0,5" << true << "" << true << "Käytä" << "2,6|-0,5";
        QTest::newRow("stored with a comma, English") << true << "2,6|-4" << "2.6|-4" << true << "" << true << "Käytä" << "2,6|-4";
        QTest::newRow("binary noise, negative zero") << false << "|" << "|" << false << "0.30000000000000004|-0,0" << true << "Käytä" << "0,3|0";
        // clang-format on
    }
    void typeAndStore()
    {
        QFETCH(bool, english);
        QFETCH(QString, opened);
        QFETCH(QString, typed);
        QFETCH(QString, action);
        if (english)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna,
                             opened.section('|', 0, 0));
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna,
                             opened.section('|', 1));
        m_window = std::make_unique<frmReunukset>(m_printers);
        QTEST(box("txtVaakaReuna")->text() + '|' + box("txtPystyReuna")->text(), "shown");
        m_window->show(); // a click selects the whole box, for typing over
        QTest::mouseClick(box("txtVaakaReuna"), Qt::LeftButton, {}, QPoint(3, 5));
        QCOMPARE(box("txtVaakaReuna")->selectedText(), box("txtVaakaReuna")->text());
        QPushButton* kayta = child<QPushButton>(*m_window, "cmdAsetaReunat");
        QTEST(kayta->isEnabled(), "enabledAtOpening");
        if (!typed.isEmpty()) {
            box("txtVaakaReuna")->setText(typed.section('|', 0, 0));
            box("txtPystyReuna")->setText(typed.section('|', 1));
        }
        QTEST(kayta->isEnabled(), "enabled");
        if (action == "Oletus")
            child<QPushButton>(*m_window, "cmdOletus")->click();
        if (action == "close")
            m_window->reject();
        else
            kayta->click();
        QTEST(SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna) + '|' +
                  SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::PystyReuna),
              "stored");
        QCOMPARE(m_window->result() == QDialog::Accepted, action != "close" && kayta->isEnabled());
    }
};

QTEST_MAIN(FrmReunuksetTest)
#include "tst_frmreunukset.moc"
