// Printing at the sizes of long runs, into PDF files: coupons one file each, and a long
// listing. Prints the time of each run and the size of what it wrote.
#include "print/printrun.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
std::vector<ScoreRow> rows(int count)
{
    std::vector<ScoreRow> made;
    made.reserve(size_t(count));
    for (int n = 0; n < count; ++n)
        made.push_back(ScoreRow(3, {n % 10, n / 10 % 10, n / 100 % 10, n / 1000 % 10,
                                    n / 10000 % 10, n / 100000 % 10}));
    return made;
}

QPageLayout a4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        bytes += file.size();
    return bytes;
}

void report(const char* what, const QElapsedTimer& timer, qint64 bytes)
{
    std::printf("%-40s %8.3f s %10.1f MB\n", what, double(timer.nsecsElapsed()) / 1e9,
                double(bytes) / 1e6);
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir coupons;
    QTemporaryDir listing;
    CouponBet bet;
    bet.stakeBoxes[2] = true;
    bet.gameNumber = 3;
    QElapsedTimer timer;

    PdfWriterTarget couponFiles(coupons.filePath("kuponki.pdf"), true, a4());
    timer.start();
    const auto printed = PrintRun::rowCoupons(couponFiles, bet, rows(1000), [] {
        return PrintOffset{2.6, -4.5};
    });
    report("1,000 coupons, one PDF each", timer, folderBytes(coupons.path()));
    if (printed.printed != 1000)
        return 1;

    PdfWriterTarget listingFile(listing.filePath("lista.pdf"), false, a4());
    timer.start();
    const auto listed = PrintRun::listing(listingFile, rows(1000000));
    report("listing of 1,000,000 rows", timer, folderBytes(listing.path()));
    return listed.printed == 1000000 ? 0 : 1;
}
