#pragma once
// Printed PDFs read back with poppler's tools, and the page they are printed on.
#include "print/coupon.h"
#include "print/printoffset.h"
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

namespace PdfReading {

// Margins of the test printers; marks are measured from the printable area inside them.
inline const QMarginsF Margins(12, 7, 10, 10);

// What a program failed with starts with this; no output a test expects does.
inline const QString RunFailed = QStringLiteral("RUN FAILED: ");

// The program's output, or RunFailed and why, which the caller's comparison then shows.
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return RunFailed + program + ' ' + arguments.join(' ') + ": " + process.errorString() +
               ' ' + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Marks as "x,y" in mm, sorted, so that marks read back compare with the expected ones as text.
inline QString marksText(const std::vector<Mark>& marks)
{
    QStringList texts;
    for (Mark m : marks)
        texts << QStringLiteral("%1,%2").arg(m.x).arg(m.y);
    texts.sort();
    return texts.join(' ');
}

// The words of every page, less the offset, written as marksText writes marks; a word other
// than a single X shows its text ("XX@48,52"). Every coupon box sits on whole millimetres, so
// a place within 0.3 mm of one reads as it and any other place shows its hundredths.
inline QStringList marksRead(const QString& pdf, PrintOffset offset = {})
{
    static const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<)re");
    auto mm = [](double v) {
        return std::abs(v - std::round(v)) <= 0.3 ? QString::number(std::round(v))
                                                  : QString::number(v, 'f', 2);
    };
    const QString words = run("pdftotext", {"-bbox", pdf, "-"});
    if (words.startsWith(RunFailed))
        return {words};
    QStringList pages;
    for (const QString& page : words.split("<page ").mid(1)) {
        QStringList texts;
        for (const auto& m : word.globalMatch(page)) {
            const QString place =
                mm(m.captured(1).toDouble() * 25.4 / 72 - Margins.left() - offset.x) + ',' +
                mm(m.captured(2).toDouble() * 25.4 / 72 - Margins.top() - offset.y);
            texts << (m.captured(3) == "X" ? place : m.captured(3) + '@' + place);
        }
        texts.sort();
        pages << texts.join(' ');
    }
    return pages;
}

inline QPageLayout a4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Margins,
                       QPageLayout::Millimeter);
}

} // namespace PdfReading
