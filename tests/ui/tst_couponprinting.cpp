// The print menu's commands, printing into PDF files that are read back.
#include "settings/settingskeys.h"
#include "tests/print/pdfreading.h"
#include "ui/couponprinting.h"
#include "ui/printerchoice.h"
#include "windowtest.h"
#include <QApplication>
#include <QProgressDialog>
#include <QSignalSpy>

using namespace PdfReading;
using namespace WindowTest;

// Every run prints into PDF files in a folder, numbered coupons sorting by their number below
// ten, and the preview into "esikatselu.pdf" there. No file name: the dialog was cancelled.
struct FilePrinters : PrinterChoice
{
    explicit FilePrinters(const QString& folder) : folder(folder) {}
    std::unique_ptr<QPrinter> choose(QWidget*, const QString&) override
    {
        return fileName.isEmpty() ? nullptr : pdfPrinter(path(fileName));
    }
    void preview(QWidget*, const std::function<void(QPrinter&)>& paint) override
    {
        paint(*pdfPrinter(path("esikatselu.pdf")));
    }
    QStringList files() const { return QDir(folder).entryList({"*.pdf"}, QDir::Files); }
    QString path(const QString& name) const { return folder + '/' + name; }

    QString folder;
    QString fileName = "kuponki.pdf";
};

class CouponPrintingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_out;
    RowListModel m_rows;
    PrintState m_state;
    FilePrinters* m_printers = nullptr;
    std::unique_ptr<CouponPrinting> m_printing;

    // Lists the rows; a row ending in " *" is ticked.
    void list(const QStringList& rows)
    {
        for (const QString& row : rows) {
            m_rows.appendIfNew(*ScoreRow::fromText(QString(row).remove(" *")));
            m_rows.setChecked(m_rows.count() - 1, row.endsWith('*'));
        }
    }
    // The messages shown: the title where it tells more than the text, the duration's figure
    // left out.
    static QStringList messages()
    {
        QStringList shown = MessageBox::shownTitles();
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (shown[i] == "Sarvento")
                shown[i] = MessageBox::shownTexts()[i];
        return shown.replaceInStrings(QRegularExpression("^Kesto [\\d,]+ s$"), "Kesto");
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init()
    {
        resetBetweenTests(m_settings);
        m_out = std::make_unique<QTemporaryDir>();
        m_rows.clear();
        // 0,2 and 0,3 €, game 3, two matches; the system is 2-0 3-1.
        m_state = {&m_rows, {{true, true}, 3, 2}, 50, false, {}, 1};
        m_state.gridTicks[0][2] = m_state.gridTicks[1][0] = true;
        m_state.gridTicks[2][3] = m_state.gridTicks[3][1] = true;
        auto printers = std::make_unique<FilePrinters>(m_out->path());
        m_printers = printers.get();
        m_printing = std::make_unique<CouponPrinting>(
            nullptr, [this] { return m_state; }, std::move(printers));
    }

    // Each command's way to its coupons, one job each; the stored offset (pysty, vaaka) shifts
    // every X, and each must land within 0.3 mm of its place.
    void coupons_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<qint64>("stake");
        QTest::addColumn<QString>("answer");  // "": warnings off, no question
        QTest::addColumn<QString>("printer"); // "cancel", or a file that a folder blocks
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<QStringList>("printed"); // the coupons' rows, one a page
        QTest::addColumn<QStringList>("messages");
        const QStringList two = {"2-1 0-3", "9-9 7-0"}, three = {"1-1 1-1", "2-2 2-2", "3-3 3-3"},
                          none;
        const QString ask = "Tarkista, pelinumero on 3 ja panos 0,5 € !!!";
        const QString noStake = "Panos puuttuu !!!";
        // clang-format off
        QTest::newRow("all rows") << "TulostaKupongille" << two << qint64(50) << "Yes" << "" << QStringList{"3", "-2"} << QPointF(3, -2) << two << QStringList{ask, "Kesto"};
        QTest::newRow("all rows, answered No") << "TulostaKupongille" << two << qint64(50) << "No" << "" << none << QPointF() << none << QStringList{ask};
        QTest::newRow("all rows, no stake") << "TulostaKupongille" << two << qint64(0) << "Yes" << "" << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("goal 10 left out") << "TulostaKupongille" << QStringList{"10-1 0-3", "1-1 2-2"} << qint64(50) << "" << "" << QStringList{"2,6", "-4,5"} << QPointF(2.6, -4.5) << QStringList{"1-1 2-2"} << QStringList{"1 rivi jäi tulostamatta, koska kupongissa ei ole ruutua yli 9 maalille.", "Kesto"};
        QTest::newRow("print dialog cancelled") << "TulostaKupongille" << two << qint64(50) << "" << "cancel" << none << QPointF() << none << none;
        QTest::newRow("second job fails") << "TulostaKupongille" << three << qint64(50) << "" << "kuponki-2.pdf" << none << QPointF() << three.mid(0, 1) << QStringList{"Tulostin ei ottanut työtä vastaan. Kuponkeja tulostettiin 1.", "Kesto"};
        QTest::newRow("ticked row") << "TulostaValitutKupongille" << QStringList{"1-0 0-0", "4-4 5-5 *", "3-3 3-3"} << qint64(50) << "Yes" << "" << QStringList{"", ""} << QPointF() << QStringList{"4-4 5-5"} << QStringList{ask};
        QTest::newRow("ticked, no stake") << "TulostaValitutKupongille" << QStringList{"1-1 1-1 *"} << qint64(-1) << "Yes" << "" << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("system") << "TulostaSysteemiKupongille" << none << qint64(50) << "Yes" << "" << QStringList{"abc", "1"} << QPointF(0, 1) << QStringList{"2-0 3-1"} << QStringList{ask};
        QTest::newRow("system, answered No") << "TulostaSysteemiKupongille" << none << qint64(50) << "No" << "" << none << QPointF() << none << QStringList{ask};
        QTest::newRow("system, no stake") << "TulostaSysteemiKupongille" << none << qint64(0) << "" << "" << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("preview skips goal 10") << "Esikatselu" << QStringList{"1-2 3-4 5-6", "0-10 1-1 1-1", "9-8 7-6 5-4"} << qint64(50) << "" << "" << QStringList{"1,5"} << QPointF(1.5, 0) << QStringList{"1-2 3-4 5-6", "9-8 7-6 5-4"} << none;
        // clang-format on
    }
    void coupons()
    {
        QFETCH(QStringList, rows);
        QFETCH(qint64, stake);
        QFETCH(QString, answer);
        QFETCH(QString, printer);
        QFETCH(QStringList, stored);
        QFETCH(QPointF, offset);
        QFETCH(QStringList, printed);
        QFETCH(QString, command);
        list(rows);
        m_state.stakePerRowCents = stake;
        m_state.warningsOn = !answer.isEmpty();
        MessageBox::setNextAnswer(answer == "Yes");
        if (printer == "cancel")
            m_printers->fileName.clear();
        else if (!printer.isEmpty())
            QDir(m_out->path()).mkdir(printer);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, stored.value(0));
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna, stored.value(1));
        QVERIFY(
            QMetaObject::invokeMethod(m_printing.get(), qPrintable("Mnu" + command + "_Click")));
        QTEST(messages(), "messages");
        QStringList read, expected;
        for (const QString& file : m_printers->files()) {
            read << marksRead(m_printers->path(file), {offset.x(), offset.y()});
            QVERIFY(run("pdffonts", {m_printers->path(file)}).contains("Bold"));
        }
        for (const QString& row : printed)
            expected << marksText(Coupon::rowCoupon(m_state.bet, *ScoreRow::fromText(row)));
        QCOMPARE(read, expected);
    }

    // A long run prints behind a progress window; stopped there, it keeps what it printed.
    void longRun()
    {
        for (int i = 0; i < CouponPrinting::ProgressFromCoupons; ++i)
            m_rows.appendIfNew(ScoreRow(3, {i % 10, i / 10 % 10, i / 100, 0, 0, 0}));
        QTimer::singleShot(0, [] {
            if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                progress->cancel();
        });
        m_printing->MnuTulostaKupongille_Click();
        const qsizetype stopped = m_printers->files().size();
        QVERIFY(stopped > 0 && stopped < CouponPrinting::ProgressFromCoupons);
        m_printing->MnuTulostaKupongille_Click();
        QCOMPARE(m_printers->files().size(), CouponPrinting::ProgressFromCoupons);
        QCOMPARE(messages(), (QStringList{"Kesto", "Kesto"}));
    }

    void listing()
    {
        QSignalSpy finished(m_printing.get(), &CouponPrinting::listingFinished);
        list({"2-1 0-3", "0-0 9-9", "1-1 2-2"});
        m_printing->MnuTulostaLista_Click();
        QCOMPARE(run("pdftotext", {"-layout", m_printers->path("kuponki.pdf"), "-"}),
                 "2-1 0-3\n0-0 9-9\n1-1 2-2\n\f");
        QCOMPARE(finished.count(), 1);
    }

    // The menu follows the list as the main window holds it when the menu opens.
    void menuStates()
    {
        QSignalSpy states(m_printing.get(), &CouponPrinting::menuStates);
        m_state.systemSize = 0;
        m_printing->MnuTulosta_Click();
        list({"1-1 1-1", "2-2 2-2"});
        m_printing->MnuTulosta_Click();
        list({"3-3 3-3 *"});
        m_state.systemSize = 1;
        m_printing->MnuTulosta_Click();
        QCOMPARE(QList<QVariantList>(states), (QList<QVariantList>{{false, false, false, false},
                                                                   {true, false, true, false},
                                                                   {true, true, true, true}}));
    }

    // The print position window's sheet carries the shift typed in its boxes, stored or not.
    void calibrationSheet()
    {
        ModalRunner::setHandler([](QDialog& window) {
            child<QLineEdit>(window, "txtVaakaReuna")->setText("-2");
            child<QLineEdit>(window, "txtPystyReuna")->setText("3,5");
            child<QPushButton>(window, "cmdKoearkki")->click();
            return int(QDialog::Rejected);
        });
        m_printing->MnuMuutaTulostusKohtaa_Click();
        const QString sheet = marksRead(m_printers->path("kuponki.pdf"), {3.5, -2})[0];
        for (const char* mark : {"8,20", "93,61", "17,52", "53,66"})
            QVERIFY2(sheet.split(' ').contains(mark), mark);
    }
};

QTEST_MAIN(CouponPrintingTest)
#include "tst_couponprinting.moc"
