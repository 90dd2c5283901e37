#include "print/printrun.h"
#include "print/couponpainter.h"
#include <QPagedPaintDevice>
#include <QPainter>

namespace PrintRun {
namespace {
// Paints one job; false when the device could not be had or the job not ended.
bool printJob(PrintTarget& target, const std::function<void(QPainter&, QPagedPaintDevice&)>& paint)
{
    QPagedPaintDevice* device = target.nextJob();
    if (!device)
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    paint(painter, *device);
    return painter.end();
}
} // namespace

Result rowCoupons(PrintTarget& target, const CouponBet& bet, const std::vector<ScoreRow>& rows,
                  const OffsetSource& offsets, const Progress& progress)
{
    Result result;
    const qint64 total = qint64(rows.size());
    for (qint64 i = 0; i < total; ++i) {
        const ScoreRow row = rows[size_t(i)];
        if (!Coupon::rowFits(row, bet.columnCount)) {
            ++result.leftOut;
        } else {
            const std::vector<Mark> marks = Coupon::rowCoupon(bet, row);
            const PrintOffset offset = offsets ? offsets() : PrintOffset();
            if (!printJob(target, [&](QPainter& painter, QPagedPaintDevice&) {
                    CouponPainter::paintMarks(painter, marks, offset);
                })) {
                result.end = End::Failed;
                return result;
            }
            ++result.printed;
        }
        if (progress && i + 1 < total && !progress(i + 1, total)) {
            result.end = End::Stopped;
            return result;
        }
    }
    return result;
}

Result systemCoupon(PrintTarget& target, const CouponBet& bet, const GridTicks& ticks,
                    PrintOffset offset)
{
    Result result;
    const std::vector<Mark> marks = Coupon::systemCoupon(bet, ticks);
    if (!printJob(target, [&](QPainter& painter, QPagedPaintDevice&) {
            CouponPainter::paintMarks(painter, marks, offset);
        })) {
        result.end = End::Failed;
        return result;
    }
    result.printed = 1;
    return result;
}

qint64 previewPages(QPagedPaintDevice& device, const CouponBet& bet,
                    const std::vector<ScoreRow>& rows, PrintOffset offset, qint64 maxPages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    qint64 pages = 0;
    for (ScoreRow row : rows) {
        if (pages == maxPages)
            break;
        if (!Coupon::rowFits(row, bet.columnCount))
            continue;
        if (pages > 0 && !device.newPage())
            break;
        CouponPainter::paintOutline(painter, bet.columnCount, offset);
        CouponPainter::paintMarks(painter, Coupon::rowCoupon(bet, row), offset);
        ++pages;
    }
    painter.end();
    return pages;
}

Result calibrationSheet(PrintTarget& target, PrintOffset offset)
{
    Result result;
    if (!printJob(target, [&](QPainter& painter, QPagedPaintDevice&) {
            CouponPainter::paintCalibrationSheet(painter, offset);
        })) {
        result.end = End::Failed;
        return result;
    }
    result.printed = 1;
    return result;
}

Result listing(PrintTarget& target, const std::vector<ScoreRow>& rows, const Progress& progress)
{
    Result result;
    if (rows.empty())
        return result;
    const qint64 total = qint64(rows.size());
    bool stopped = false;
    const bool ended = printJob(target, [&](QPainter& painter, QPagedPaintDevice& device) {
        result.printed = CouponPainter::paintListing(painter, device, rows, [&](qint64 done) {
            stopped = done < total && progress && !progress(done, total);
            return !stopped;
        });
    });
    if (!ended || (!stopped && result.printed < total))
        result.end = End::Failed;
    else if (stopped)
        result.end = End::Stopped;
    return result;
}

} // namespace PrintRun
