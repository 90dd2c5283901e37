// The print menu's commands played on the main window, printing into PDF files read back.
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
#include <QSpinBox>

using namespace PdfReading;
using namespace WindowTest;

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(a4());
    return printer;
}

// Runs print into PDF files in folder, the preview into "esikatselu.pdf"; no name: cancelled.
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
    QString path(const QString& n) const { return n.startsWith('/') ? n : folder + '/' + n; }

    QString folder;
    QString fileName = "kuponki.pdf";
    QList<Job> jobs;
};

// The bet every window here starts with: 0,2 and 0,3 €, game 3, two matches, the system 2-0 3-1.
const CouponBet Bet{{true, true}, 3, 2};
const QString BetScript =
    "menu MnuSarake2; choose OptPeli3; tick Chk2Markka; tab 1; grid 2 0 3 1; tab 0";

class CouponPrintingTest : public HeadlessWindowTest
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_out;
    FilePrinters* m_printers = nullptr; // the window's

    // Pages into a fresh folder, the bet set; what setting it told is forgotten.
    QString setUp(MainWindow& w)
    {
        m_out = std::make_unique<QTemporaryDir>();
        auto printers = std::make_unique<FilePrinters>(m_out->path());
        m_printers = printers.get();
        w.setPrinterChoice(std::move(printers));
        w.show();
        const QString played = play(w, (w.WarningsOn() ? "yes; " : "") + BetScript);
        if (played.isEmpty() && unusedQueues().isEmpty())
            MessageBox::reset();
        return played;
    }
    // The messages shown (the title where it tells more), less the duration and the folder.
    QStringList messages() const
    {
        QStringList shown = MessageBox::shownTitles();
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (shown[i] == "Sarvento")
                shown[i] = MessageBox::shownTexts()[i];
        return shown.replaceInStrings(QRegularExpression("^Kesto [\\d,]+ s"), "Kesto")
            .replaceInStrings(m_out->path() + '/', "");
    }

private slots:

    // Each command's coupons, shifted; earlier files replaced only when the player agrees.
    void coupons_data()
    {
        QTest::addColumn<QString>("script");  // played once the bet is set
        QTest::addColumn<QString>("printer"); // the file chosen; "" when the dialog is cancelled
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QStringList>("stored");  // pysty, vaaka: the shift of the marks read
        QTest::addColumn<QStringList>("printed"); // the coupons' rows, one a file
        QTest::addColumn<QStringList>("messages");
        const QString two = "add 2-1 0-3; add 9-9 7-0; ", rows = "menu MnuTulostaKupongille";
        const QString system = "menu MnuTulostaSysteemiKupongille", k = "kuponki.pdf";
        const QStringList both = {"2-1 0-3", "9-9 7-0"}, none;
        const QStringList earlier = {"kuponki-1.pdf", "kuponki-2.pdf", "kuponki-3.pdf"};
        const QString ask = "Tarkista, pelinumero on 3 ja panos 0,5 € !!!";
        const QString offPage = "Merkit menisivät paperin tulostusalueen ulkopuolelle, joten "
                                "mitään ei tulostettu. Tarkista tulostuskohta (Asetukset, Muuta "
                                "tulostus kohtaa): lyhyt reuna 0 mm, pitkä reuna 130 mm.";
        // clang-format off
        QTest::newRow("all rows") << two + "yes; " + rows << k << none << QStringList{"3", "-2"} << both << QStringList{ask, "Kesto"};
        QTest::newRow("all rows, answered No") << two + "no; " + rows << k << none << none << none << QStringList{ask};
        QTest::newRow("all rows, no stake") << two + "untick Chk1Markka; untick Chk2Markka; " + rows << k << none << none << none << QStringList{"Panos puuttuu !!!"};
        QTest::newRow("goal 10 left out") << "off; add 10-1 0-3; add 1-1 2-2; " + rows << k << none << QStringList{"2,6", "-4.5"} << QStringList{"1-1 2-2"} << QStringList{"1 rivi jäi tulostamatta, koska kupongissa ei ole ruutua yli 9 maalille.", "Kesto"};
        QTest::newRow("print dialog cancelled") << "off; " + two + rows << "" << none << none << none << none;
        QTest::newRow("earlier set replaced") << "add 2-1 0-3; yes; yes; " + rows << k << earlier << none << both.mid(0, 1) << QStringList{ask, "Korvataanko tiedostot?", "Kesto"};
        QTest::newRow("earlier set kept") << "off; " + two + "no; " + rows << k << earlier << none << none << QStringList{"Korvataanko tiedostot?"};
        QTest::newRow("off the paper") << "off; " + two + rows << k << earlier.mid(0, 1) << QStringList{"130", "0"} << none << QStringList{offPage};
        QTest::newRow("ticked row") << "add 1-0 0-0; add 4-4 5-5; add 3-3 3-3; check 1; yes; menu MnuTulostaValitutKupongille" << k << none << QStringList{"", ""} << QStringList{"4-4 5-5"} << QStringList{ask};
        QTest::newRow("system") << "yes; " + system << k << none << QStringList{"abc", "1"} << QStringList{"2-0 3-1"} << QStringList{ask};
        QTest::newRow("system, disk full") << "off; " + system << "/dev/full" << none << none << none << QStringList{"Tiedostoa /dev/full ei saatu kirjoitettua kokonaan. Kuponkeja tulostettiin 0."};
        QTest::newRow("preview skips goal 10") << "off; add 1-2 3-4 5-6; add 0-10 1-1 1-1; add 9-8 7-6 5-4; menu MnuEsikatselu" << k << none << QStringList{"1,5"} << QStringList{"1-2 3-4 5-6", "9-8 7-6 5-4"} << none;
        // clang-format on
    }
    void coupons()
    {
        QFETCH(QString, script);
        QFETCH(QString, printer);
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, printed);
        MainWindow w(script);
        QCOMPARE(setUp(w), QString());
        m_printers->fileName = printer;
        makeEarlier(*m_out, earlier);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, stored.value(0));
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna, stored.value(1));
        QCOMPARE(play(w, script), QString());
        QTEST(messages(), "messages");
        // Coupons once each, whichever command printed them.
        QCOMPARE(m_printers->jobs.count(PrinterChoice::Listing), 0);
        QStringList read, expected, kept, none;
        for (const QString& file : m_printers->files()) {
            if (TestFile::read(m_printers->path(file)) == "old") {
                kept << file;
                continue;
            }
            read << marksRead(m_printers->path(file), {stored.value(0).replace(',', '.').toDouble(),
                                                       stored.value(1).toDouble()});
            QVERIFY(run("pdffonts", {m_printers->path(file)}).contains("Bold"));
        }
        for (const QString& row : printed)
            expected << marksText(Coupon::rowCoupon(Bet, *ScoreRow::fromText(row)));
        QCOMPARE(read, expected);
        // What the player kept stays; what was replaced goes as a whole.
        QCOMPARE(kept, printed.isEmpty() || script.endsWith("MnuEsikatselu") ? earlier : none);
    }

    // A long run stopped in its progress window says how far it got; a preview of more coupons
    // than it can lay out shows the first ones, and says so. N stands for what was printed.
    void manyRows_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("told");
        const int coupons = CouponPrinting::ProgressFromCoupons,
                  most = CouponPrinting::PreviewPages;
        const QString message = "Keskeytettiin: kuponkeja tulostettiin N / 200.";
        // clang-format off
        QTest::newRow("all rows") << "MnuTulostaKupongille" << coupons << "Kesto\n" + message;
        QTest::newRow("ticked rows") << "MnuTulostaValitutKupongille" << coupons << message;
        QTest::newRow("listing") << "MnuTulostaLista" << CouponPrinting::ProgressFromListedRows << "Keskeytettiin: rivejä tulostettiin N / 20000.";
        QTest::newRow("preview, as many as shown") << "MnuEsikatselu" << most << "";
        QTest::newRow("preview, one more") << "MnuEsikatselu" << most + 1 << "Esikatselussa näkyy N ensimmäistä kuponkia.";
        // clang-format on
    }
    void manyRows()
    {
        QFETCH(QString, item);
        QFETCH(int, count);
        const bool preview = item == "MnuEsikatselu";
        MainWindow w(false);
        QCOMPARE(setUp(w), QString());
        w.rowList().appendAll(countingRows(count, preview ? 2 : 3));
        w.rowList().checkAll();
        QTimer::singleShot(0, &w, [] { // the progress window cancelled as soon as it is up
            if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                progress->cancel();
        });
        QCOMPARE(play(w, "menu " + item), QString());
        const QString pdf = m_printers->path(preview ? "esikatselu.pdf" : "kuponki.pdf");
        const qsizetype printed =
            preview ? run("pdfinfo", {pdf}).section("Pages:", 1).section('\n', 0, 0).toInt()
            : item == "MnuTulostaLista" ? run("pdftotext", {"-layout", pdf, "-"}).count('\n')
                                        : m_printers->files().size();
        QVERIFY2(preview ? printed == CouponPrinting::PreviewPages : printed > 0 && printed < count,
                 qPrintable(QString::number(printed)));
        QTEST(messages().join('/').replace(QString(" %1 ").arg(printed), " N "), "told");
    }

    // The print position window's sheet carries the shift typed, not yet stored; a sheet that
    // cannot be printed says why.
    void calibrationSheet_data()
    {
        QTest::addColumn<QString>("printer"); // "" when the print dialog is cancelled
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << "kuponki.pdf" << QStringList();
        QTest::newRow("print dialog cancelled") << "" << QStringList();
        QTest::newRow("printer fails") << "/dev/full"
                                       << QStringList{"Koearkin tulostus epäonnistui. Tiedostoa "
                                                      "/dev/full ei saatu kirjoitettua kokonaan."};
    }
    void calibrationSheet()
    {
        QFETCH(QString, printer);
        MainWindow w(false);
        QCOMPARE(setUp(w), QString());
        m_printers->fileName = printer;
        ModalRunner::setHandler([&](QDialog& window) {
            child<QLineEdit>(window, "txtVaakaReuna")->setText("-2");
            child<QLineEdit>(window, "txtPystyReuna")->setText("3,5");
            child<QPushButton>(window, "cmdKoearkki")->click();
            return int(QDialog::Rejected);
        });
        QCOMPARE(play(w, "menu MnuMuutaTulostusKohtaa"), QString());
        QTEST(messages(), "messages");
        if (printer != "kuponki.pdf") {
            QCOMPARE(m_printers->files(), QStringList());
            return;
        }
        const QString sheet = marksRead(m_printers->path("kuponki.pdf"), {3.5, -2})[0];
        for (const char* mark : {"8,20", "93,61", "17,52", "53,66"})
            QVERIFY2(sheet.split(' ').contains(mark), mark);
    }

    // Coupons print once each whatever the print dialog says, a listing in copies. The preview
    // offers no way to print: that would skip the stake check and the question.
    void dialogs()
    {
        DialogPrinterChoice printers;
        for (const auto& [job, copies] :
             {std::pair{PrinterChoice::Coupons, 1}, std::pair{PrinterChoice::Listing, 2}}) {
            bool offered = false;
            ModalRunner::setHandler([&offered](QDialog& dialog) {
                auto* spin = dialog.findChild<QSpinBox*>("copies");
                offered = spin && spin->isEnabled();
                qobject_cast<QPrintDialog*>(&dialog)->printer()->setCopyCount(2);
                return int(QDialog::Accepted);
            });
            QCOMPARE(printers.choose(nullptr, "Tulosta", job)->copyCount(), copies);
            QCOMPARE(offered, copies > 1);
        }
        std::vector<ScoreRow> rows;
        for (const char* row : {"1-2 3-4 5-6", "0-10 1-1 1-1", "9-8 7-6 5-4"})
            rows.push_back(*ScoreRow::fromText(QString::fromUtf8(row)));
        int pages = -1;
        QStringList offered;
        ModalRunner::setHandler([&](QDialog& dialog) {
            if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
                view->updatePreview();
                pages = view->pageCount();
            }
            for (QAction* action : dialog.findChildren<QAction*>())
                offered << action->text() << action->toolTip();
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                offered << button->text() << button->toolTip();
            return int(QDialog::Rejected);
        });
        printers.preview(nullptr, [&](QPrinter& printer) {
            PrintRun::previewPages(printer, Bet, rows, {}, 10);
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
