#pragma once
// The print runs: coupons one job each, and the paper listing as one job. Long runs report
// progress after every coupon or page and stop when asked; what was sent stays sent, and the
// result tells how far the run got. Nothing is sent when a mark would leave the printable
// area; then earlier files are replaced, as a whole, only when the target agrees.

#include "core/scorerow.h"
#include "print/coupon.h"
#include "print/printoffset.h"
#include "print/printtarget.h"
#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace PrintRun {

// Called with the work done so far; returning false stops the run.
using Progress = std::function<bool(qint64 done, qint64 total)>;
// Read before every coupon, so that a changed offset applies to the next one.
using OffsetSource = std::function<PrintOffset()>;

enum class End
{
    Done,
    Stopped, // the progress callback asked to stop
    Failed,  // a job was refused or not completed; the target tells why
    OffPage, // a mark would have left the printable area; nothing of it was sent
    Declined // the target might not replace its earlier files; nothing was sent
};

struct Result
{
    End end = End::Done;
    qint64 printed = 0; // coupons, or rows of a listing, known to be complete
    qint64 total = 0;   // what the run set out to print
    qint64 leftOut = 0; // rows with a goal the coupon has no box for
};

// One coupon per row, in order; rows that do not fit the coupon are left out and counted.
Result rowCoupons(PrintTarget& target, const CouponBet& bet, const std::vector<ScoreRow>& rows,
                  const OffsetSource& offsets, const Progress& progress = {});
Result systemCoupon(PrintTarget& target, const CouponBet& bet, const GridTicks& ticks,
                    PrintOffset offset);
// The coupons rowCoupons would print, one page each over the outline of the coupon's boxes,
// at most maxPages of them; returns the number of pages painted.
qint64 previewPages(QPagedPaintDevice& device, const CouponBet& bet,
                    const std::vector<ScoreRow>& rows, PrintOffset offset, qint64 maxPages);
// One sheet of plain paper showing where the marks of a coupon land.
Result calibrationSheet(PrintTarget& target, PrintOffset offset);
// The row texts as plain lines on as many pages as they take.
Result listing(PrintTarget& target, const std::vector<ScoreRow>& rows,
               const Progress& progress = {});

} // namespace PrintRun
