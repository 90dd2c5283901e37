// Coupons printed to PDF and read back with pdftotext: every X where the coupon needs it.
#include "print/printrun.h"
#include "tests/print/pdfreading.h"
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace PdfReading;

namespace {
constexpr double Tolerance = 0.3;

QString fontsOf(const QString& pdf)
{
    return QString::fromUtf8(run("pdffonts", {pdf}));
}

// Fails unless the page holds exactly the expected X marks, each within tolerance of its place.
void compareMarks(const QString& pdf, const std::vector<Mark>& expected, PrintOffset offset)
{
    QList<Word> found = words(pdf);
    QStringList seen;
    for (const Word& w : found)
        seen << QStringLiteral("%1@%2,%3").arg(w.text).arg(w.x, 0, 'f', 2).arg(w.y, 0, 'f', 2);
    QVERIFY2(found.size() == qsizetype(expected.size()), qPrintable(seen.join(' ')));
    for (Mark mark : expected) {
        const double x = mark.x + offset.x;
        const double y = mark.y + offset.y;
        const auto hit = std::find_if(found.begin(), found.end(), [&](const Word& w) {
            return w.text == QLatin1String("X") && std::abs(w.x - x) <= Tolerance &&
                   std::abs(w.y - y) <= Tolerance;
        });
        QVERIFY2(
            hit != found.end(),
            qPrintable(
                QStringLiteral("no X at (%1, %2) among %3").arg(x).arg(y).arg(seen.join(' '))));
        found.erase(hit);
    }
}
// Every job a PDF file of its own; from job failAt on there is no printer.
class PdfFiles : public PrintTarget
{
public:
    PdfFiles(const QString& folder, int failAt = 0) : m_folder(folder), m_failAt(failAt) {}
    QPagedPaintDevice* nextJob() override
    {
        if (++m_jobs == m_failAt)
            return nullptr;
        m_writer =
            std::make_unique<QPdfWriter>(QStringLiteral("%1/job-%2.pdf").arg(m_folder).arg(m_jobs));
        return m_writer.get();
    }
    int jobs() const { return m_jobs; }

private:
    QString m_folder;
    int m_failAt;
    int m_jobs = 0;
    std::unique_ptr<QPdfWriter> m_writer;
};

std::vector<ScoreRow> manyRows(int count)
{
    std::vector<ScoreRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(ScoreRow(3, {i % 10, i / 10 % 10, i / 100 % 10, 0, 0, 1}));
    return rows;
}
} // namespace

class PrintRunTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // Each coupon is a job of its own, with the offsets read afresh for every one.
    void rowCouponsOnePdfEach()
    {
        CouponBet bet;
        bet.stakeBoxes[2] = bet.stakeBoxes[7] = true;
        bet.gameNumber = 6;
        const std::vector<ScoreRow> rows = {*ScoreRow::fromText(u"2-1 0-3 9-5"),
                                            *ScoreRow::fromText(u"0-9 7-6 4-8")};
        const std::vector<PrintOffset> offsets = {{2.6, -4.5}, {-3, 1.4}};
        int reads = 0;
        auto printer = pdfPrinter(m_dir.filePath("rivit.pdf"));
        PrinterTarget target(*printer, true);
        const auto result =
            PrintRun::rowCoupons(target, bet, rows, [&] { return offsets[size_t(reads++)]; });
        QCOMPARE(result.printed, 2);
        QVERIFY(!QFile::exists(m_dir.filePath("rivit-3.pdf")));
        for (int i = 0; i < 2; ++i) {
            const QString pdf = m_dir.filePath(QStringLiteral("rivit-%1.pdf").arg(i + 1));
            compareMarks(pdf, Coupon::rowCoupon(bet, rows[size_t(i)]), offsets[size_t(i)]);
            QVERIFY(fontsOf(pdf).contains(QLatin1String("Bold")));
        }
    }

    // Boxes 6 and 7 stand so close that pdftotext joins their X's into one word; every other
    // box in a coupon keeps each X a word of its own.
    void systemCoupon_data()
    {
        QTest::addColumn<int>("firstBox");
        QTest::addColumn<bool>("hundred");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("columns");
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("offsetY");
        // clang-format off
        QTest::newRow("even boxes, small stakes") << 0 << false << 3 << 3 << 0.0 << 0.0;
        QTest::newRow("odd boxes, 100 euros, two matches") << 1 << true << 4 << 2 << 3.0 << -2.0;
        // clang-format on
    }
    void systemCoupon()
    {
        QFETCH(int, firstBox);
        QFETCH(bool, hundred);
        CouponBet bet;
        bet.stakeBoxes.fill(true);
        bet.stakeBoxes[11] = hundred;
        QFETCH(int, game);
        bet.gameNumber = game;
        QFETCH(int, columns);
        bet.columnCount = columns;
        GridTicks ticks{};
        for (auto& line : ticks)
            for (int box = firstBox; box < 12; box += 2)
                line[size_t(box)] = true;
        QFETCH(double, offsetX);
        QFETCH(double, offsetY);
        auto printer = pdfPrinter(m_dir.filePath("jarjestelma.pdf"));
        PrinterTarget target(*printer, false);
        QCOMPARE(PrintRun::systemCoupon(target, bet, ticks, {offsetX, offsetY}).printed, 1);
        compareMarks(m_dir.filePath("jarjestelma.pdf"), Coupon::systemCoupon(bet, ticks),
                     {offsetX, offsetY});
    }

    // A long listing continues page after page; stopping keeps the pages printed so far.
    void listingPages_data()
    {
        QTest::addColumn<int>("stopAfterPages");
        QTest::addColumn<int>("pages");
        QTest::addColumn<PrintRun::End>("end");
        // clang-format off
        QTest::newRow("whole") << 0 << 4 << PrintRun::End::Done;
        QTest::newRow("stopped after two pages") << 2 << 2 << PrintRun::End::Stopped;
        // clang-format on
    }
    void listingPages()
    {
        QFETCH(int, stopAfterPages);
        PdfFiles target(m_dir.path());
        const std::vector<ScoreRow> rows = manyRows(250);
        int pagesDone = 0;
        const auto result = PrintRun::listing(
            target, rows, [&](qint64, qint64) { return ++pagesDone != stopAfterPages; });
        QTEST(result.end, "end");
        const QStringList printed = lines(m_dir.filePath("job-1.pdf"));
        QTEST(int(printed.count("\f")), "pages");
        QStringList expected;
        for (qint64 i = 0; i < result.printed; ++i)
            expected << rows[size_t(i)].text();
        QCOMPARE(printed.filter("-"), expected);
        QCOMPARE(result.printed == qint64(rows.size()), stopAfterPages == 0);
    }

    // Stopped or failed, the coupons sent stay sent and are counted; unfit rows are counted too.
    void couponRunEnds_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<PrintRun::End>("end");
        QTest::addColumn<int>("printed");
        QTest::addColumn<int>("leftOut");
        // clang-format off
        QTest::newRow("done") << 0 << 0 << PrintRun::End::Done << 4 << 1;
        QTest::newRow("stopped after three rows") << 3 << 0 << PrintRun::End::Stopped << 2 << 1;
        QTest::newRow("third job refused") << 0 << 3 << PrintRun::End::Failed << 2 << 1;
        // clang-format on
    }
    void couponRunEnds()
    {
        QFETCH(int, stopAt);
        QFETCH(int, failAt);
        QTemporaryDir folder;
        PdfFiles target(folder.path(), failAt);
        std::vector<ScoreRow> rows = manyRows(5);
        rows[1] = *ScoreRow::fromText(u"1-1 1-1 11-1");
        CouponBet bet;
        const auto result = PrintRun::rowCoupons(
            target, bet, rows, {}, [&](qint64 done, qint64) { return done != stopAt; });
        QTEST(result.end, "end");
        QTEST(int(result.printed), "printed");
        QTEST(int(result.leftOut), "leftOut");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), result.printed);
    }
};

QTEST_MAIN(PrintRunTest)
#include "tst_printrun.moc"
