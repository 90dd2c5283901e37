#pragma once
// Painting coupons, the calibration sheet and the paper listing with a QPainter on any paint
// device: a printer, a PDF file or a print preview all get the same strokes. Positions are
// millimetres from the top-left of the printable area, where the painter's origin is.

#include "core/scorerow.h"
#include "print/coupon.h"
#include "print/printoffset.h"
#include <QFont>
#include <QPointF>
#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace CouponPainter {

// 10-point bold in the device's default face.
QFont markFont();
QPointF toDevice(const QPainter& painter, double xMm, double yMm);

// Each mark an "X" whose top-left corner is at the mark plus the offset.
void paintMarks(QPainter& painter, const std::vector<Mark>& marks, PrintOffset offset);
// A faint square around every box an X can hit, so that a preview shows the coupon.
void paintOutline(QPainter& painter, int columnCount, PrintOffset offset);
// For plain paper: every position the coupon can take, marked and crossed, with the offsets
// applied, and a millimetre scale along the top and left edges.
void paintCalibrationSheet(QPainter& painter, PrintOffset offset);

// Row texts in 10 points, one a line, continuing onto new pages; pageDone(rowsSoFar) after
// each page may return false to stop. Returns the number of rows painted.
qint64 paintListing(QPainter& painter, QPagedPaintDevice& device, const std::vector<ScoreRow>& rows,
                    const std::function<bool(qint64)>& pageDone);

} // namespace CouponPainter
