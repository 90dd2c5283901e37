#include "print/couponpainter.h"
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace CouponPainter {
namespace {
constexpr double MmPerInch = 25.4;

double unitsPerMmX(const QPainter& painter)
{
    return painter.device()->logicalDpiX() / MmPerInch;
}

double unitsPerMmY(const QPainter& painter)
{
    return painter.device()->logicalDpiY() / MmPerInch;
}

// Where the ink of an X printed at the mark is centred, in device units.
QPointF inkCentre(const QPainter& painter, Mark mark, PrintOffset offset)
{
    const QFontMetricsF metrics(markFont(), painter.device());
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("X"));
    return toDevice(painter, mark.x + offset.x, mark.y + offset.y) +
           QPointF(ink.center().x(), metrics.ascent() + ink.center().y());
}

void paintCross(QPainter& painter, QPointF centre, double armMm)
{
    const double dx = armMm * unitsPerMmX(painter);
    const double dy = armMm * unitsPerMmY(painter);
    painter.drawLine(QPointF(centre.x() - dx, centre.y()), QPointF(centre.x() + dx, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - dy), QPointF(centre.x(), centre.y() + dy));
}

void paintScales(QPainter& painter)
{
    const QRect area = painter.viewport();
    const double perMmX = unitsPerMmX(painter);
    const double perMmY = unitsPerMmY(painter);
    QFont small = painter.font();
    small.setPointSizeF(6);
    painter.setFont(small);
    painter.setPen(QPen(Qt::black, 0));
    auto tickLength = [](int mm) { return mm % 10 == 0 ? 4.0 : mm % 5 == 0 ? 2.5 : 1.5; };
    for (int mm = 0; mm * perMmX <= area.width(); ++mm) {
        const double x = mm * perMmX;
        painter.drawLine(QPointF(x, 0), QPointF(x, tickLength(mm) * perMmY));
        if (mm % 10 == 0 && mm > 0)
            painter.drawText(QPointF(x + 0.5 * perMmX, 6 * perMmY), QString::number(mm));
    }
    for (int mm = 0; mm * perMmY <= area.height(); ++mm) {
        const double y = mm * perMmY;
        painter.drawLine(QPointF(0, y), QPointF(tickLength(mm) * perMmX, y));
        if (mm % 10 == 0 && mm > 0)
            painter.drawText(QPointF(5 * perMmX, y - 0.5 * perMmY), QString::number(mm));
    }
}
} // namespace

QFont markFont()
{
    QFont font;
    font.setPointSizeF(10);
    font.setBold(true);
    return font;
}

QPointF toDevice(const QPainter& painter, double xMm, double yMm)
{
    return {xMm * unitsPerMmX(painter), yMm * unitsPerMmY(painter)};
}

void paintMarks(QPainter& painter, const std::vector<Mark>& marks, PrintOffset offset)
{
    painter.save();
    const QFont font = markFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The baseline sits one ascent below the top of the text.
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    for (Mark mark : marks) {
        const QPointF topLeft = toDevice(painter, mark.x + offset.x, mark.y + offset.y);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + ascent), QStringLiteral("X"));
    }
    painter.restore();
}

void paintOutline(QPainter& painter, int columnCount, PrintOffset offset)
{
    painter.save();
    painter.setPen(QPen(QColor(190, 190, 190), 0));
    painter.setBrush(Qt::NoBrush);
    const QPointF half = toDevice(painter, 2, 2);
    for (Mark mark : Coupon::allPositions(columnCount)) {
        const QPointF centre = inkCentre(painter, mark, offset);
        painter.drawRect(QRectF(centre - half, centre + half));
    }
    painter.restore();
}

void paintCalibrationSheet(QPainter& painter, PrintOffset offset)
{
    painter.save();
    paintScales(painter);
    painter.setPen(QPen(Qt::black, 0));
    for (Mark mark : Coupon::allPositions())
        paintCross(painter, inkCentre(painter, mark, offset), 2.5);
    paintMarks(painter, Coupon::allPositions(), offset);
    QFont text;
    text.setPointSizeF(9);
    painter.setFont(text);
    const QLocale locale;
    painter.drawText(
        toDevice(painter, 10, 90),
        QStringLiteral("Koearkki. Lyhyt reuna %1 mm, pitkä reuna %2 mm.")
            .arg(PrintOffsets::format(offset.y, locale), PrintOffsets::format(offset.x, locale)));
    painter.restore();
}

qint64 paintListing(QPainter& painter, QPagedPaintDevice& device, const std::vector<ScoreRow>& rows,
                    const std::function<bool(qint64)>& pageDone)
{
    QFont font;
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, int(painter.viewport().height() / lineHeight));
    char text[ScoreRow::MaxTextLength];
    qint64 done = 0;
    const qint64 total = qint64(rows.size());
    while (done < total) {
        if (done > 0 && !device.newPage())
            break;
        const qint64 pageEnd = std::min(total, done + linesPerPage);
        for (int line = 0; done < pageEnd; ++done, ++line) {
            const int length = rows[size_t(done)].writeText(text);
            painter.drawText(QPointF(0, line * lineHeight + metrics.ascent()),
                             QString::fromLatin1(text, length));
        }
        if (pageDone && !pageDone(done))
            break;
    }
    return done;
}

} // namespace CouponPainter
