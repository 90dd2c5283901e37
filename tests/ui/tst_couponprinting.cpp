// The print menu's commands, printing into PDF files that are read back.
#include "settings/settingskeys.h"
#include "tests/print/pdfreading.h"
#include "ui/couponprinting.h"
#include "ui/printerchoice.h"
#include "windowtest.h"
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QSpinBox>

using namespace PdfReading;
using namespace WindowTest;

inline std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(a4());
    return printer;
}

// Every run prints into PDF files in a folder, numbered coupons sorting by their number below
// ten, and the preview into "esikatselu.pdf" there. No file name: the dialog was cancelled.
struct FilePrinters : PrinterChoice
{
    explicit FilePrinters(const QString& folder) : folder(folder) {}
    std::unique_ptr<QPrinter> choose(QWidget*, const QString&, Job job) override
    {
        jobs << job;
        return fileName.isEmpty() ? nullptr : pdfPrinter(path(fileName));
    }
    void preview(QWidget*, const std::function<void(QPrinter&)>& paint) override
    {
        paint(*pdfPrinter(path("esikatselu.pdf")));
    }
    QStringList files() const { return QDir(folder).entryList({"*.pdf"}, QDir::Files); }
    QString path(const QString& name) const
    {
        return name.startsWith('/') ? name : folder + '/' + name;
    }

    QString folder;
    QString fileName = "kuponki.pdf";
    QList<Job> jobs;
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
    // and the run's folder left out.
    QStringList messages() const
    {
        QStringList shown = MessageBox::shownTitles();
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (shown[i] == "Sarvento")
                shown[i] = MessageBox::shownTexts()[i];
        return shown.replaceInStrings(QRegularExpression("^Kesto [\\d,]+ s"), "Kesto")
            .replaceInStrings(m_out->path() + '/', "");
    }
    // Files made before a run: "name" holds "old", "name/" is a folder.
    void makeEarlier(const QStringList& names)
    {
        for (const QString& name : names) {
            if (name.endsWith('/'))
                QDir(m_out->path()).mkdir(name);
            else
                TestFile::write(*m_out, name, "old");
        }
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
    // every X, and each must land within 0.3 mm of its place. Earlier files are replaced only
    // when the player agrees, and a mark off the paper stops the print before anything is sent.
    void coupons_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<qint64>("stake");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("printer"); // the file chosen; "" when the dialog is cancelled
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<QStringList>("printed"); // the coupons' rows, one a file
        QTest::addColumn<QStringList>("messages");
        const QStringList two = {"2-1 0-3", "9-9 7-0"}, none, yes{"Yes"}, no{"No"};
        const QStringList earlier = {"kuponki-1.pdf", "kuponki-2.pdf", "kuponki-3.pdf"};
        const QString k = "kuponki.pdf";
        const QString ask = "Tarkista, pelinumero on 3 ja panos 0,5 € !!!";
        const QString noStake = "Panos puuttuu !!!";
        const QString offPage = "Merkit menisivät paperin tulostusalueen ulkopuolelle, joten "
                                "mitään ei tulostettu. Tarkista tulostuskohta (Asetukset, Muuta "
                                "tulostus kohtaa): lyhyt reuna 0 mm, pitkä reuna 130 mm.";
        // clang-format off
        QTest::newRow("all rows") << "TulostaKupongille" << two << qint64(50) << true << yes << k << none << QStringList{"3", "-2"} << QPointF(3, -2) << two << QStringList{ask, "Kesto"};
        QTest::newRow("all rows, answered No") << "TulostaKupongille" << two << qint64(50) << true << no << k << none << none << QPointF() << none << QStringList{ask};
        QTest::newRow("all rows, no stake") << "TulostaKupongille" << two << qint64(0) << true << yes << k << none << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("goal 10 left out") << "TulostaKupongille" << QStringList{"10-1 0-3", "1-1 2-2"} << qint64(50) << false << none << k << none << QStringList{"2,6", "-4.5"} << QPointF(2.6, -4.5) << QStringList{"1-1 2-2"} << QStringList{"1 rivi jäi tulostamatta, koska kupongissa ei ole ruutua yli 9 maalille.", "Kesto"};
        QTest::newRow("print dialog cancelled") << "TulostaKupongille" << two << qint64(50) << false << none << "" << none << none << QPointF() << none << none;
        QTest::newRow("earlier set replaced") << "TulostaKupongille" << two.mid(0, 1) << qint64(50) << true << QStringList{"Yes", "Yes"} << k << earlier << none << QPointF() << two.mid(0, 1) << QStringList{ask, "Korvataanko tiedostot?", "Kesto"};
        QTest::newRow("earlier set kept") << "TulostaKupongille" << two << qint64(50) << false << no << k << earlier << none << QPointF() << none << QStringList{"Korvataanko tiedostot?"};
        QTest::newRow("a folder in the earlier set") << "TulostaKupongille" << two << qint64(50) << false << yes << k << QStringList{"kuponki-2.pdf/"} << none << QPointF() << none << QStringList{"Korvataanko tiedosto?", "Tiedostoa kuponki-2.pdf ei voi korvata. Kuponkeja tulostettiin 0.", "Kesto"};
        QTest::newRow("off the paper") << "TulostaKupongille" << two << qint64(50) << false << none << k << earlier.mid(0, 1) << QStringList{"130", "0"} << QPointF() << none << QStringList{offPage};
        QTest::newRow("ticked row") << "TulostaValitutKupongille" << QStringList{"1-0 0-0", "4-4 5-5 *", "3-3 3-3"} << qint64(50) << true << yes << k << none << QStringList{"", ""} << QPointF() << QStringList{"4-4 5-5"} << QStringList{ask};
        QTest::newRow("ticked, no stake") << "TulostaValitutKupongille" << QStringList{"1-1 1-1 *"} << qint64(-1) << true << yes << k << none << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("ticked, off the paper") << "TulostaValitutKupongille" << QStringList{"1-1 1-1 *"} << qint64(50) << false << none << k << none << QStringList{"130", "0"} << QPointF() << none << QStringList{offPage};
        QTest::newRow("system") << "TulostaSysteemiKupongille" << none << qint64(50) << true << yes << k << none << QStringList{"abc", "1"} << QPointF(0, 1) << QStringList{"2-0 3-1"} << QStringList{ask};
        QTest::newRow("system, answered No") << "TulostaSysteemiKupongille" << none << qint64(50) << true << no << k << none << none << QPointF() << none << QStringList{ask};
        QTest::newRow("system, no stake") << "TulostaSysteemiKupongille" << none << qint64(0) << false << none << k << none << none << QPointF() << none << QStringList{noStake};
        QTest::newRow("system over its earlier file") << "TulostaSysteemiKupongille" << none << qint64(50) << false << yes << k << QStringList{k} << none << QPointF() << QStringList{"2-0 3-1"} << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("system, earlier file kept") << "TulostaSysteemiKupongille" << none << qint64(50) << false << no << k << QStringList{k} << none << QPointF() << none << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("system, disk full") << "TulostaSysteemiKupongille" << none << qint64(50) << false << none << "/dev/full" << none << none << QPointF() << none << QStringList{"Tiedostoa /dev/full ei saatu kirjoitettua kokonaan. Kuponkeja tulostettiin 0."};
        QTest::newRow("system, off the paper") << "TulostaSysteemiKupongille" << none << qint64(50) << false << none << k << none << QStringList{"130", "0"} << QPointF() << none << QStringList{offPage};
        QTest::newRow("preview skips goal 10") << "Esikatselu" << QStringList{"1-2 3-4 5-6", "0-10 1-1 1-1", "9-8 7-6 5-4"} << qint64(50) << false << none << k << none << QStringList{"1,5"} << QPointF(1.5, 0) << QStringList{"1-2 3-4 5-6", "9-8 7-6 5-4"} << none;
        // clang-format on
    }
    void coupons()
    {
        QFETCH(QStringList, rows);
        QFETCH(qint64, stake);
        QFETCH(bool, warnings);
        QFETCH(QStringList, answers);
        QFETCH(QString, printer);
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, stored);
        QFETCH(QPointF, offset);
        QFETCH(QStringList, printed);
        QFETCH(QString, command);
        list(rows);
        m_state.stakePerRowCents = stake;
        m_state.warningsOn = warnings;
        for (const QString& answer : answers)
            MessageBox::setNextAnswer(answer == "Yes");
        m_printers->fileName = printer;
        makeEarlier(earlier);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, stored.value(0));
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna, stored.value(1));
        QVERIFY(
            QMetaObject::invokeMethod(m_printing.get(), qPrintable("Mnu" + command + "_Click")));
        QTEST(messages(), "messages");
        // Coupons once each, whichever command printed them.
        QCOMPARE(m_printers->jobs.count(PrinterChoice::Listing), 0);
        QStringList read, expected, kept;
        for (const QString& file : m_printers->files()) {
            if (TestFile::read(m_printers->path(file)) == "old") {
                kept << file;
                continue;
            }
            read << marksRead(m_printers->path(file), {offset.x(), offset.y()});
            QVERIFY(run("pdffonts", {m_printers->path(file)}).contains("Bold"));
        }
        for (const QString& row : printed)
            expected << marksText(Coupon::rowCoupon(m_state.bet, *ScoreRow::fromText(row)));
        QCOMPARE(read, expected);
        // What the player kept stays; what was replaced goes as a whole.
        QStringList keptExpected;
        if (printed.isEmpty() || command == "Esikatselu")
            for (const QString& name : earlier)
                if (!name.endsWith('/'))
                    keptExpected << name;
        QCOMPARE(kept, keptExpected);
        QVERIFY(QFileInfo::exists("/dev/full"));
    }

    // A long run prints behind a progress window; stopped there, it keeps what it printed and
    // says how far it got, so that the player knows where to go on.
    void longRun_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("stopped"); // the message, N standing for the coupons printed
        QTest::newRow("all rows") << "TulostaKupongille"
                                  << "Kesto\nKeskeytettiin: kuponkeja tulostettiin N / 200.";
        QTest::newRow("ticked rows") << "TulostaValitutKupongille"
                                     << "Keskeytettiin: kuponkeja tulostettiin N / 200.";
    }
    void longRun()
    {
        QFETCH(QString, command);
        QFETCH(QString, stopped);
        for (int i = 0; i < CouponPrinting::ProgressFromCoupons; ++i)
            list({ScoreRow(3, {i % 10, i / 10 % 10, i / 100, 0, 0, 0}).text() + " *"});
        QTimer::singleShot(0, [] {
            if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                progress->cancel();
        });
        QVERIFY(
            QMetaObject::invokeMethod(m_printing.get(), qPrintable("Mnu" + command + "_Click")));
        const qsizetype printed = m_printers->files().size();
        QVERIFY(printed > 0 && printed < CouponPrinting::ProgressFromCoupons);
        QCOMPARE(messages(), QStringList{stopped.replace("N", QString::number(printed))});
        if (command != "TulostaKupongille")
            return;
        MessageBox::setNextAnswer(true); // the stopped run's files are replaced
        m_printing->MnuTulostaKupongille_Click();
        QCOMPARE(m_printers->files().size(), CouponPrinting::ProgressFromCoupons);
        QCOMPARE(messages().size(), 3);
        QVERIFY(messages()[1].startsWith("Korvataanko"));
        QCOMPARE(messages()[2], "Kesto");
    }

    // The listing prints every row once; a failed or refused file is said, not counted.
    void listing_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("printed"); // the text read back, or the old file's
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QString k = "kuponki.pdf";
        const QString three = "2-1 0-3\n0-0 9-9\n1-1 2-2\n\f";
        // clang-format off
        QTest::newRow("three rows") << k << none << none << three << none;
        QTest::newRow("over an earlier file") << k << QStringList{k} << QStringList{"Yes"} << three << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("earlier file kept") << k << QStringList{k} << QStringList{"No"} << "old" << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("disk full") << "/dev/full" << none << none << "" << QStringList{"Tiedostoa /dev/full ei saatu kirjoitettua kokonaan. Rivejä tulostettiin 0."};
        QTest::newRow("into a folder") << k << QStringList{k + '/'} << none << "" << QStringList{"Tiedostoa kuponki.pdf ei voi kirjoittaa. Rivejä tulostettiin 0."};
        // clang-format on
    }
    void listing()
    {
        QFETCH(QString, printer);
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, answers);
        QFETCH(QString, printed);
        QSignalSpy finished(m_printing.get(), &CouponPrinting::listingFinished);
        list({"2-1 0-3", "0-0 9-9", "1-1 2-2"});
        m_printers->fileName = printer;
        makeEarlier(earlier);
        for (const QString& answer : answers)
            MessageBox::setNextAnswer(answer == "Yes");
        m_printing->MnuTulostaLista_Click();
        QTEST(messages(), "messages");
        const QString file = m_printers->path("kuponki.pdf");
        if (printed == "old")
            QCOMPARE(TestFile::read(file), "old");
        else if (!printed.isEmpty())
            QCOMPARE(run("pdftotext", {"-layout", file, "-"}), printed);
        else
            QVERIFY(!QFileInfo(file).isFile());
        QCOMPARE(m_printers->jobs, QList<PrinterChoice::Job>{PrinterChoice::Listing});
        QCOMPARE(finished.count(), 1);
    }

    // A long listing stopped says how many rows it printed.
    void listingStopped()
    {
        std::vector<ScoreRow> rows;
        for (int i = 0; i < CouponPrinting::ProgressFromListedRows; ++i)
            rows.push_back(
                ScoreRow(3, {i % 10, i / 10 % 10, i / 100 % 10, i / 1000 % 10, i / 10000, 0}));
        m_rows.appendAll(rows);
        QTimer::singleShot(0, [] {
            if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                progress->cancel();
        });
        m_printing->MnuTulostaLista_Click();
        const QString text = run("pdftotext", {"-layout", m_printers->path("kuponki.pdf"), "-"});
        const qsizetype printed = text.count('\n');
        QVERIFY(printed > 0 && printed < CouponPrinting::ProgressFromListedRows);
        QCOMPARE(messages(), QStringList{QString("Keskeytettiin: rivejä tulostettiin %1 / %2.")
                                             .arg(printed)
                                             .arg(CouponPrinting::ProgressFromListedRows)});
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

    // The print position window's sheet carries the shift typed in its boxes, stored or not,
    // unless it would put marks off the paper or the player keeps an earlier file.
    void calibrationSheet_data()
    {
        QTest::addColumn<QString>("typed"); // vaaka|pysty
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        // clang-format off
        QTest::newRow("shifted") << "-2|3,5" << none << none << true << none;
        QTest::newRow("over an earlier sheet") << "-2|3,5" << QStringList{"kuponki.pdf"} << QStringList{"Yes"} << true << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("earlier sheet kept") << "-2|3,5" << QStringList{"kuponki.pdf"} << QStringList{"No"} << false << QStringList{"Korvataanko tiedosto?"};
        QTest::newRow("off the paper") << "-30|0" << none << none << false << QStringList{"Merkit menisivät paperin tulostusalueen ulkopuolelle, joten mitään ei tulostettu. Tarkista tulostuskohta (Asetukset, Muuta tulostus kohtaa): lyhyt reuna -30 mm, pitkä reuna 0 mm."};
        QTest::newRow("into a folder") << "0|0" << QStringList{"kuponki.pdf/"} << none << false << QStringList{"Koearkin tulostus epäonnistui. Tiedostoa kuponki.pdf ei voi kirjoittaa."};
        // clang-format on
    }
    void calibrationSheet()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, answers);
        QFETCH(bool, printed);
        makeEarlier(earlier);
        for (const QString& answer : answers)
            MessageBox::setNextAnswer(answer == "Yes");
        ModalRunner::setHandler([&](QDialog& window) {
            child<QLineEdit>(window, "txtVaakaReuna")->setText(typed.section('|', 0, 0));
            child<QLineEdit>(window, "txtPystyReuna")->setText(typed.section('|', 1));
            child<QPushButton>(window, "cmdKoearkki")->click();
            return int(QDialog::Rejected);
        });
        m_printing->MnuMuutaTulostusKohtaa_Click();
        QTEST(messages(), "messages");
        const QString file = m_printers->path("kuponki.pdf");
        QCOMPARE(PdfFileSet::isWholePdf(file), printed);
        if (printed) {
            const QString sheet = marksRead(file, {3.5, -2})[0];
            for (const char* mark : {"8,20", "93,61", "17,52", "53,66"})
                QVERIFY2(sheet.split(' ').contains(mark), mark);
        }
    }

    // The desktop's print dialog: coupons print once each, whatever the printer was set to;
    // a listing may be printed in copies.
    void copies_data()
    {
        QTest::addColumn<PrinterChoice::Job>("job");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("copiesOffered");
        QTest::newRow("coupons") << PrinterChoice::Coupons << 1 << false;
        QTest::newRow("listing") << PrinterChoice::Listing << 2 << true;
    }
    void copies()
    {
        QFETCH(PrinterChoice::Job, job);
        bool offered = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            auto* spin = dialog.findChild<QSpinBox*>("copies");
            offered = spin && spin->isEnabled();
            qobject_cast<QPrintDialog*>(&dialog)->printer()->setCopyCount(2);
            return int(QDialog::Accepted);
        });
        DialogPrinterChoice printers;
        const std::unique_ptr<QPrinter> printer = printers.choose(nullptr, "Tulosta", job);
        QTEST(printer->copyCount(), "copies");
        QTEST(offered, "copiesOffered");
    }

    // The preview shows the coupons but offers no way to print them: a coupon printed from it
    // would skip the stake check and the question, and carry the outlines.
    void previewPrintsNothing()
    {
        list({"1-2 3-4 5-6", "0-10 1-1 1-1", "9-8 7-6 5-4"});
        int pages = -1;
        QStringList offered;
        ModalRunner::setHandler([&](QDialog& dialog) {
            auto* view = dialog.findChild<QPrintPreviewWidget*>();
            if (view) {
                view->updatePreview();
                pages = view->pageCount();
            }
            for (QAction* action : dialog.findChildren<QAction*>())
                offered << action->text() << action->toolTip();
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                offered << button->text() << button->toolTip();
            return int(QDialog::Rejected);
        });
        DialogPrinterChoice printers;
        printers.preview(nullptr, [&](QPrinter& printer) {
            PrintRun::previewPages(printer, m_state.bet, m_rows.rows(), {}, 10);
        });
        QCOMPARE(pages, 2);
        QVERIFY(!offered.isEmpty());
        const QRegularExpression printing("print|page setup|tulost|sivun asetukset",
                                          QRegularExpression::CaseInsensitiveOption);
        QCOMPARE(offered.filter(printing), QStringList());
    }
};

QTEST_MAIN(CouponPrintingTest)
#include "tst_couponprinting.moc"
