// Print runs into PDF files read back.
#include "print/printrun.h"
#include "tests/print/pdfreading.h"
#include <QGuiApplication>

using namespace PdfReading;

namespace {
// Each page's lines as (top in mm from the page's top, text), words of a line joined.
QList<QList<std::pair<double, QString>>> lines(const QString& pdf)
{
    QList<QList<std::pair<double, QString>>> pages;
    for (const QList<Word>& page : words(pdf)) {
        pages.emplace_back();
        for (const Word& w : page)
            if (!pages.last().isEmpty() && std::abs(pages.last().last().first - w.y) < 0.01)
                pages.last().last().second += ' ' + w.text;
            else
                pages.last().append({w.y, w.text});
    }
    return pages;
}

// A target whose chosen job ends cut short, as on a disk that filled up while it was written.
struct CutShortTarget : PdfWriterTarget
{
    using PdfWriterTarget::PdfWriterTarget;
    bool mayReplace(const QStringList& files) override
    {
        for (const QString& file : files)
            asked << QFileInfo(file).fileName();
        return !keepEarlier;
    }
    bool jobFinished() override
    {
        if (++jobs == cutJob)
            QFile::resize(currentPath(), QFileInfo(currentPath()).size() / 2);
        return PdfWriterTarget::jobFinished();
    }
    int cutJob = 0;
    int jobs = 0;
    bool keepEarlier = false;
    QStringList asked;
};

// The folder's entries as "name:what": pdf (a whole PDF), old (left as it was), dir or bad.
QString folderState(const QString& folder)
{
    QStringList entries;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString what = entry.isDir()                               ? "dir"
                             : PdfFileSet::isWholePdf(entry.filePath())  ? "pdf"
                             : TestFile::read(entry.filePath()) == "old" ? "old"
                                                                         : "bad";
        entries << entry.fileName() + ':' + what;
    }
    return entries.join(' ');
}
} // namespace

class PrintRunTest : public QObject
{
    Q_OBJECT

private slots:
    // A long listing fills every page with as many whole lines as fit, losing none; on A6
    // across with wide margins, so that the margins and the turned page count.
    void listingPages()
    {
        const QPageLayout layout(QPageSize(QPageSize::A6), QPageLayout::Landscape, {15, 20, 15, 25},
                                 QPageLayout::Millimeter);
        const int count = 100;
        QTemporaryDir out;
        PdfWriterTarget target(out.filePath("lista.pdf"), false, layout);
        const PrintRun::Result result = PrintRun::listing(target, countingRows(count));
        QCOMPARE(result.end, PrintRun::End::Done);
        QCOMPARE(result.printed, qint64(count));
        const auto pages = lines(out.filePath("lista.pdf"));
        QVERIFY(pages.size() >= 4);
        const double height = layout.paintRect(QPageLayout::Millimeter).height();
        const double spacing = pages[0][1].first - pages[0][0].first;
        QStringList printed;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const auto& page = pages[p];
            QCOMPARE(page.first().first, pages[0].first().first);
            const double used = page.last().first - page.first().first + spacing;
            QVERIFY2(used <= height + 0.05, qPrintable(QString("page %1 overfull").arg(p + 1)));
            if (p + 1 < pages.size())
                QVERIFY2(used + spacing > height - 0.05,
                         qPrintable(QString("page %1 has room for more").arg(p + 1)));
            for (const auto& line : page)
                printed << line.second;
        }
        QStringList expected;
        for (ScoreRow row : countingRows(count))
            expected << row.text();
        QCOMPARE(printed, expected);
    }

    // A job counts once its file is whole, the run stopping at the first that is not; an
    // earlier set goes only when the run can print at all.
    void runs_data()
    {
        // rows (three coupons), system, sheet or (stopped) listing into k.pdf or "on" a path;
        // "keeping": the earlier files may not be replaced
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("before"); // made first: "name" holds "old", "name/" a folder
        QTest::addColumn<QList<double>>("offsets"); // x of each reading, the last repeating
        QTest::addColumn<int>("cutJob");
        QTest::addColumn<PrintRun::End>("end");
        QTest::addColumn<qint64>("printed");
        QTest::addColumn<QString>("asked"); // the earlier files the target was asked about
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("failure");
        using End = PrintRun::End;
        const QList<double> none{0};
        const QStringList earlier{"k-1.pdf", "k-2.pdf",  "k-3.pdf",     "k-10.pdf",
                                  "k.pdf",   "kk-1.pdf", "k-1.pdf.bak", "k-01.pdf"};
        const QString kept = "k-01.pdf:old k-1.pdf:old k-1.pdf.bak:old k-10.pdf:old k-2.pdf:old "
                             "k-3.pdf:old k.pdf:old kk-1.pdf:old";
        const QString set = "k-1.pdf k-2.pdf k-3.pdf k-10.pdf";
        // clang-format off
        QTest::newRow("rows") << "rows" << QStringList() << none << 0 << End::Done << qint64(3) << "" << "k-1.pdf:pdf k-2.pdf:pdf k-3.pdf:pdf" << "";
        QTest::newRow("earlier set replaced") << "rows" << earlier << none << 0 << End::Done << qint64(3) << set << "k-01.pdf:old k-1.pdf:pdf k-1.pdf.bak:old k-2.pdf:pdf k-3.pdf:pdf k.pdf:old kk-1.pdf:old" << "";
        QTest::newRow("earlier set kept") << "rows, keeping" << earlier << none << 0 << End::Declined << qint64(0) << set << kept << "";
        QTest::newRow("second coupon cut short") << "rows" << QStringList() << none << 2 << End::Failed << qint64(1) << "" << "k-1.pdf:pdf" << "Tiedostoa k-2.pdf ei saatu kirjoitettua kokonaan.";
        QTest::newRow("a folder in the earlier set") << "rows" << QStringList{"k-1.pdf", "k-2.pdf/"} << none << 0 << End::Failed << qint64(0) << "k-1.pdf k-2.pdf" << "k-1.pdf:old k-2.pdf:dir" << "Tiedostoa k-2.pdf ei voi korvata.";
        QTest::newRow("130 mm right") << "rows" << earlier << QList<double>{130} << 0 << End::OffPage << qint64(0) << "" << kept << "";
        QTest::newRow("moved off during the run") << "rows" << QStringList() << QList<double>{0, 0, 130} << 0 << End::OffPage << qint64(1) << "" << "k-1.pdf:pdf" << "";
        QTest::newRow("system over an earlier file") << "system" << QStringList{"k.pdf", "k-1.pdf"} << none << 0 << End::Done << qint64(1) << "k.pdf" << "k-1.pdf:old k.pdf:pdf" << "";
        QTest::newRow("system cut short") << "system" << QStringList() << none << 1 << End::Failed << qint64(0) << "" << "" << "Tiedostoa k.pdf ei saatu kirjoitettua kokonaan.";
        QTest::newRow("system into a folder") << "system" << QStringList{"k.pdf/"} << none << 0 << End::Failed << qint64(0) << "" << "k.pdf:dir" << "Tiedostoa k.pdf ei voi kirjoittaa.";
        QTest::newRow("sheet off the page") << "sheet" << QStringList() << QList<double>{120} << 0 << End::OffPage << qint64(0) << "" << "" << "";
        QTest::newRow("listing stopped as it ends") << "stopped listing" << QStringList() << none << 0 << End::Done << qint64(3) << "" << "k.pdf:pdf" << ""; // too late to stop
        QTest::newRow("listing, disk full") << "listing on /dev/full" << QStringList() << none << 0 << End::Failed << qint64(0) << "" << "" << "Tiedostoa /dev/full ei saatu kirjoitettua kokonaan.";
        QTest::newRow("coupon, disk full") << "system on /dev/full" << QStringList() << none << 0 << End::Failed << qint64(0) << "" << "" << "Tiedostoa /dev/full ei saatu kirjoitettua kokonaan.";
        // clang-format on
    }
    void runs()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, before);
        QFETCH(QList<double>, offsets);
        QFETCH(int, cutJob);
        QTemporaryDir out;
        const QString chosen =
            kind.contains(" on ") ? kind.section(" on ", 1) : out.filePath("k.pdf");
        if (!QFileInfo::exists(chosen) && chosen.startsWith("/dev/"))
            QSKIP("no full device here");
        makeEarlier(out, before);
        CutShortTarget target(chosen, kind.startsWith("rows"), a4());
        target.cutJob = cutJob;
        target.keepEarlier = kind.contains("keeping");
        qsizetype reading = 0;
        auto offset = [&] {
            return PrintOffset{offsets[std::min(reading++, offsets.size() - 1)], 0};
        };
        CouponBet bet{{true}, 1, 3};
        PrintRun::Result result;
        if (kind.startsWith("rows"))
            result = PrintRun::rowCoupons(target, bet, countingRows(3), offset);
        else if (kind.startsWith("system"))
            result = PrintRun::systemCoupon(target, bet, GridTicks{{{true}}}, offset());
        else if (kind == "sheet")
            result = PrintRun::calibrationSheet(target, offset());
        else
            result = PrintRun::listing(target, countingRows(3),
                                       [&](qint64, qint64) { return !kind.startsWith("stopped"); });
        QTEST(result.end, "end");
        QTEST(result.printed, "printed");
        QTEST(target.asked.join(' '), "asked");
        QTEST(folderState(out.path()), "after");
        if (result.end == PrintRun::End::Failed)
            QTEST(target.failure().replace(out.path() + '/', ""), "failure");
    }

    // A whole PDF: an ordinary file, a PDF from its head, whose trailer points back into it.
    void wholePdf_data()
    {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<bool>("whole");
        QTest::newRow("as written") << "" << true;
        QTest::newRow("no line end at the end") << "chop 1" << true;
        QTest::newRow("last byte lost") << "chop 2" << false;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("table offset past the end") << "startxref 999999" << false;
        QTest::newRow("table offset into the middle") << "startxref 20" << false;
        QTest::newRow("no PDF head") << "head" << false;
    }
    void wholePdf()
    {
        QFETCH(QString, spoil);
        QTemporaryDir out;
        const QString path = out.filePath("k.pdf");
        PdfWriterTarget target(path, false, a4());
        QVERIFY(PrintRun::systemCoupon(target, {}, {}, {}).printed == 1);
        QByteArray pdf = TestFile::read(path);
        if (spoil.startsWith("chop"))
            pdf.chop(spoil.section(' ', 1).toInt());
        else if (spoil.startsWith("startxref"))
            pdf.replace(QRegularExpression("startxref\\s+\\d+").match(pdf).captured().toLatin1(),
                        spoil.toLatin1());
        else if (spoil == "head")
            pdf[1] = 'X';
        QFile::remove(path);
        if (spoil == "folder")
            QDir(out.path()).mkdir("k.pdf");
        else
            TestFile::write(out, "k.pdf", pdf);
        QTEST(PdfFileSet::isWholePdf(path), "whole");
    }
};

QTEST_MAIN(PrintRunTest)
#include "tst_printrun.moc"
