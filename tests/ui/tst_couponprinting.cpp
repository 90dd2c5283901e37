#include "fileprinters.h"
#include "print/coupon.h"
#include "settings/settingskeys.h"
#include "ui/couponprinting.h"
#include "windowtest.h"
#include <QSignalSpy>

using namespace WindowTest;

namespace {
// The row a coupon page carries, read back from where its X marks landed.
QString couponRow(const QString& pdf, PrintOffset offset = {}, int page = 1)
{
    const QList<PdfReading::Word> words = PdfReading::words(pdf, page);
    QStringList goals;
    for (double lineY : Coupon::LineY) {
        for (const auto& w : words) {
            for (int goal = 0; goal < 12; ++goal) {
                if (std::abs(w.x - offset.x - Coupon::GoalX[size_t(goal)]) < 0.3 &&
                    std::abs(w.y - offset.y - lineY) < 0.3)
                    goals << QString::number(goal);
            }
        }
    }
    QString text;
    for (int i = 0; i + 1 < goals.size(); i += 2)
        text += (i ? " " : "") + goals[i] + "-" + goals[i + 1];
    return text;
}

enum Command
{
    AllRows,
    TickedRows,
    System
};
} // namespace

class CouponPrintingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_out;
    RowListModel m_rows;
    PrintState m_state;
    FilePrinters* m_printers = nullptr;
    std::unique_ptr<CouponPrinting> m_printing;

    void list(const QStringList& rows)
    {
        for (const QString& row : rows)
            m_rows.appendIfNew(*ScoreRow::fromText(row));
    }
    // Messages shown, the duration's figure left out.
    static QStringList messages()
    {
        QStringList texts = MessageBox::shownTexts();
        for (QString& text : texts)
            if (text.contains(QRegularExpression("^Kesto \\d+(,\\d+)? s$")))
                text = "Kesto";
        return texts;
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init()
    {
        resetBetweenTests(m_settings);
        m_out = std::make_unique<QTemporaryDir>();
        m_rows.clear();
        m_state = PrintState();
        m_state.rows = &m_rows;
        m_state.bet.stakeBoxes[0] = m_state.bet.stakeBoxes[1] = true;
        m_state.bet.gameNumber = 3;
        m_state.stakePerRowCents = 50;
        auto printers = std::make_unique<FilePrinters>(m_out->path());
        m_printers = printers.get();
        m_printing = std::make_unique<CouponPrinting>(
            nullptr, [this] { return m_state; }, std::move(printers));
    }

    void coupons_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("tickedRow"); // -1: none
        QTest::addColumn<qint64>("stake");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("printed"); // the row read back from each file
        QTest::addColumn<QStringList>("messages");
        const QStringList two = {"2-1 0-3", "9-9 7-0"};
        const QString ask = "Ovatko oikein? ";
        // clang-format off
        QTest::newRow("all rows") << int(AllRows) << two << -1 << qint64(50) << true << true << two << QStringList{ask, "Kesto"};
        QTest::newRow("all rows, answered No") << int(AllRows) << two << -1 << qint64(50) << true << false << QStringList() << QStringList{ask};
        QTest::newRow("all rows, no stake") << int(AllRows) << two << -1 << qint64(0) << true << true << QStringList() << QStringList{"Eipäs hutiloida "};
        QTest::newRow("all rows, warnings off") << int(AllRows) << two << -1 << qint64(50) << false << false << two << QStringList{"Kesto"};
        QTest::newRow("goal 10 left out") << int(AllRows) << QStringList{"10-1 0-3", "1-1 2-2"} << -1 << qint64(50) << false << false << QStringList{"1-1 2-2"} << QStringList{"1 rivi jäi tulostamatta, koska kupongissa ei ole ruutua yli 9 maalille.", "Kesto"};
        QTest::newRow("ticked row") << int(TickedRows) << QStringList{"1-0 0-0", "4-4 5-5", "3-3 3-3"} << 1 << qint64(50) << true << true << QStringList{"4-4 5-5"} << QStringList{ask};
        QTest::newRow("ticked, none ticked") << int(TickedRows) << two << -1 << qint64(50) << true << true << QStringList() << QStringList{ask};
        QTest::newRow("ticked, no stake") << int(TickedRows) << two << 0 << qint64(-1) << true << true << QStringList() << QStringList{"Eipäs hutiloida "};
        QTest::newRow("system") << int(System) << QStringList() << -1 << qint64(50) << true << true << QStringList{"2-0 3-1"} << QStringList{ask};
        QTest::newRow("system, answered No") << int(System) << QStringList() << -1 << qint64(50) << true << false << QStringList() << QStringList{ask};
        QTest::newRow("system, no stake") << int(System) << QStringList() << -1 << qint64(0) << false << true << QStringList() << QStringList{"Eipäs hutiloida "};
        // clang-format on
    }
    void coupons()
    {
        QFETCH(int, command);
        QFETCH(QStringList, rows);
        QFETCH(int, tickedRow);
        QFETCH(bool, yes);
        QFETCH(qint64, stake);
        QFETCH(bool, warnings);
        list(rows);
        if (tickedRow >= 0)
            m_rows.setChecked(tickedRow, true);
        m_state.stakePerRowCents = stake;
        m_state.warningsOn = warnings;
        m_state.bet.columnCount = 2;
        m_state.gridTicks[0][2] = m_state.gridTicks[1][0] = true;
        m_state.gridTicks[2][3] = m_state.gridTicks[3][1] = true;
        m_state.gridTicks[4][5] = true; // third match, not in use
        m_state.systemSize = 1;
        MessageBox::setNextAnswer(yes);
        if (command == AllRows)
            m_printing->MnuTulostaKupongille_Click();
        else if (command == TickedRows)
            m_printing->MnuTulostaValitutKupongille_Click();
        else
            m_printing->MnuTulostaSysteemiKupongille_Click();
        QTEST(messages(), "messages");
        QStringList printed;
        for (const QString& file : m_printers->files())
            printed << couponRow(m_printers->path(file));
        QTEST(printed, "printed");
        if (command == System && !printed.isEmpty())
            QCOMPARE(m_printers->files(), QStringList{"kuponki.pdf"});
    }

    void confirmationTitle()
    {
        list({"1-1 1-1"});
        MessageBox::setNextAnswer(false);
        m_printing->MnuTulostaKupongille_Click();
        QCOMPARE(MessageBox::shownTitles(),
                 QStringList{"Tarkista, pelinumero on 3 ja panos 0,5 € !!!"});
    }

    // A cancelled print dialog or a printer that takes nothing ends the run.
    void printerRefuses_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("messages");
        // clang-format off
        QTest::newRow("dialog cancelled") << true << QStringList();
        QTest::newRow("printer fails") << false << QStringList{"Tulostin ei ottanut työtä vastaan. Kuponkeja tulostettiin 0.", "Kesto"};
        // clang-format on
    }
    void printerRefuses()
    {
        QFETCH(bool, cancel);
        list({"1-1 1-1", "2-2 2-2"});
        m_state.warningsOn = false;
        m_printers->cancel = cancel;
        m_printers->fileName = "ei/ole/kuponki.pdf";
        m_printing->MnuTulostaKupongille_Click();
        QTEST(messages(), "messages");
    }

    // A long run prints behind its progress window to the end.
    void longRunWithProgress()
    {
        for (int i = 0; i < CouponPrinting::ProgressFromCoupons; ++i)
            m_rows.appendIfNew(ScoreRow(3, {i % 10, i / 10 % 10, i / 100, 0, 0, 0}));
        m_state.warningsOn = false;
        m_printing->MnuTulostaKupongille_Click();
        QCOMPARE(m_printers->files().size(), CouponPrinting::ProgressFromCoupons);
        QCOMPARE(messages(), QStringList{"Kesto"});
    }

    // The stored shift, read as the user writes numbers, moves every mark of the next coupon.
    void storedOffsets_data()
    {
        QTest::addColumn<QString>("pysty");
        QTest::addColumn<QString>("vaaka");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("down");
        // clang-format off
        QTest::newRow("3 and -2") << "3" << "-2" << 3.0 << -2.0;
        QTest::newRow("decimal commas") << "2,6" << "-4,5" << 2.6 << -4.5;
        QTest::newRow("nothing stored") << "" << "" << 0.0 << 0.0;
        QTest::newRow("no number") << "abc" << "1" << 0.0 << 1.0;
        // clang-format on
    }
    void storedOffsets()
    {
        QFETCH(QString, pysty);
        QFETCH(QString, vaaka);
        QFETCH(double, right);
        QFETCH(double, down);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, pysty);
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna, vaaka);
        list({"5-6 7-8"});
        m_state.warningsOn = false;
        m_printing->MnuTulostaKupongille_Click();
        QCOMPARE(couponRow(m_printers->path("kuponki-1.pdf"), {right, down}), "5-6 7-8");
    }

    void listing()
    {
        QSignalSpy finished(m_printing.get(), &CouponPrinting::listingFinished);
        list({"2-1 0-3", "0-0 9-9", "1-1 2-2"});
        m_printing->MnuTulostaLista_Click();
        QCOMPARE(PdfReading::lines(m_printers->path("kuponki.pdf")),
                 (QStringList{"2-1 0-3", "0-0 9-9", "1-1 2-2", "\f"}));
        m_rows.clear();
        m_printing->MnuTulostaLista_Click();
        QCOMPARE(finished.count(), 2);
        QCOMPARE(m_printers->choices, 1);
    }

    // The preview shows the coupons of every row that has boxes, one page each.
    void preview()
    {
        SettingsStore::write(SettingsKeys::Tulostus, SettingsKeys::PystyReuna, "1,5");
        list({"1-2 3-4 5-6", "0-10 1-1 1-1", "9-8 7-6 5-4"});
        m_printing->MnuEsikatselu_Click();
        const QString pdf = m_printers->path("esikatselu.pdf");
        QCOMPARE(PdfReading::lines(pdf).count("\f"), 2);
        QCOMPARE(couponRow(pdf, {1.5, 0}, 1), "1-2 3-4 5-6");
        QCOMPARE(couponRow(pdf, {1.5, 0}, 2), "9-8 7-6 5-4");
    }

    // The menu follows the list as the main window holds it when the menu opens.
    void menuStates()
    {
        QSignalSpy states(m_printing.get(), &CouponPrinting::menuStates);
        list({"1-1 1-1", "2-2 2-2"});
        m_rows.setChecked(1, true);
        m_printing->MnuTulosta_Click();
        QCOMPARE(states.takeFirst(), (QVariantList{true, true, true, false}));
    }

    void printPositionWindowIsModal()
    {
        QString opened;
        ModalRunner::setHandler([&](QDialog& dialog) {
            opened = dialog.objectName() + (dialog.isModal() ? " modal" : "");
            return int(QDialog::Rejected);
        });
        m_printing->MnuMuutaTulostusKohtaa_Click();
        QCOMPARE(opened, "frmReunukset modal");
    }
};

QTEST_MAIN(CouponPrintingTest)
#include "tst_couponprinting.moc"
