#include "print/printrun.h"
#include "print/couponpainter.h"
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>

namespace PrintRun {
namespace {
// Paints one job; false when the device could not be had or the job is not known complete.
bool printJob(PrintTarget& target, const std::function<void(QPainter&, QPagedPaintDevice&)>& paint)
{
    QPagedPaintDevice* device = target.nextJob();
    if (!device)
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    paint(painter, *device);
    const bool ended = painter.end();
    // Asked even after a failed end, so that the target can take back a broken file.
    return target.jobFinished() && ended;
}

// Clears the way for the run's files; the end the run comes to when it may not go on.
std::optional<End> clearWay(PrintTarget& target)
{
    const QStringList earlier = target.existingFiles();
    if (!earlier.isEmpty() && !target.mayReplace(earlier))
        return End::Declined;
    if (!target.removeExisting())
        return End::Failed;
    return std::nullopt;
}

bool onArea(const PrintTarget& target, const std::vector<Mark>& marks, PrintOffset offset)
{
    const QSizeF area = target.printableSize();
    return Coupon::onArea(marks, offset.x, offset.y, area.width(), area.height());
}

// The one-job runs: refused off the page, earlier files cleared, then printed.
Result singleJob(PrintTarget& target, const std::vector<Mark>& marks, PrintOffset offset,
                 const std::function<void(QPainter&)>& paint)
{
    Result result;
    result.total = 1;
    if (!onArea(target, marks, offset)) {
        result.end = End::OffPage;
        return result;
    }
    if (const std::optional<End> end = clearWay(target)) {
        result.end = *end;
        return result;
    }
    if (!printJob(target, [&](QPainter& painter, QPagedPaintDevice&) { paint(painter); })) {
        result.end = End::Failed;
        return result;
    }
    result.printed = 1;
    return result;
}
} // namespace

Result rowCoupons(PrintTarget& target, const CouponBet& bet, const std::vector<ScoreRow>& rows,
                  const OffsetSource& offsets, const Progress& progress)
{
    Result result;
    const PrintOffset first = offsets ? offsets() : PrintOffset();
    for (ScoreRow row : rows) {
        if (!Coupon::rowFits(row, bet.columnCount))
            continue;
        ++result.total;
        if (!onArea(target, Coupon::rowCoupon(bet, row), first)) {
            result.end = End::OffPage;
            return result;
        }
    }
    if (const std::optional<End> end = result.total > 0 ? clearWay(target) : std::nullopt) {
        result.end = *end;
        return result;
    }
    const qint64 total = qint64(rows.size());
    for (qint64 i = 0; i < total; ++i) {
        const ScoreRow row = rows[size_t(i)];
        if (!Coupon::rowFits(row, bet.columnCount)) {
            ++result.leftOut;
        } else {
            const std::vector<Mark> marks = Coupon::rowCoupon(bet, row);
            const PrintOffset offset = offsets ? offsets() : PrintOffset();
            // The offset may have been changed since the run began.
            if (!onArea(target, marks, offset)) {
                result.end = End::OffPage;
                return result;
            }
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
    const std::vector<Mark> marks = Coupon::systemCoupon(bet, ticks);
    return singleJob(target, marks, offset,
                     [&](QPainter& painter) { CouponPainter::paintMarks(painter, marks, offset); });
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
    return singleJob(target, Coupon::allPositions(), offset, [&](QPainter& painter) {
        CouponPainter::paintCalibrationSheet(painter, offset);
    });
}

Result listing(PrintTarget& target, const std::vector<ScoreRow>& rows, const Progress& progress)
{
    Result result;
    if (rows.empty())
        return result;
    result.total = qint64(rows.size());
    if (const std::optional<End> end = clearWay(target)) {
        result.end = *end;
        return result;
    }
    bool stopped = false;
    qint64 painted = 0;
    const bool done = printJob(target, [&](QPainter& painter, QPagedPaintDevice& device) {
        painted = CouponPainter::paintListing(painter, device, rows, [&](qint64 rowsDone) {
            stopped = rowsDone < result.total && progress && !progress(rowsDone, result.total);
            return !stopped;
        });
    });
    // Rows count as printed only in a file or job known to be whole.
    if (!done) {
        result.end = End::Failed;
        return result;
    }
    result.printed = painted;
    if (stopped)
        result.end = End::Stopped;
    else if (painted < result.total)
        result.end = End::Failed;
    return result;
}

} // namespace PrintRun
