#pragma once
// Printed PDFs read back with poppler's tools, and the page they are printed on.
#include "print/coupon.h"
#include "print/printoffset.h"
#include "tests/testfile.h"
#include <QDir>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

namespace PdfReading {

// Margins of the test printers; marks are measured from the printable area inside them.
inline const QMarginsF Margins(12, 7, 10, 10);

// The program's output, or "RUN FAILED" and why, which the caller's comparison then shows.
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return "RUN FAILED: " + program + ": " + process.errorString() +
               QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Marks as sorted "x,y" in mm, so that marks read back compare with the expected ones as text.
inline QString marksText(const std::vector<Mark>& marks)
{
    QStringList texts;
    for (Mark m : marks)
        texts << QStringLiteral("%1,%2").arg(m.x).arg(m.y);
    texts.sort();
    return texts.join(' ');
}

struct Word
{
    double x, y; // mm from the page's top left corner
    QString text;
};

// Each page's words as pdftotext places them.
inline QList<QList<Word>> words(const QString& pdf)
{
    static const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<)re");
    QList<QList<Word>> pages;
    for (const QString& page : run("pdftotext", {"-bbox", pdf, "-"}).split("<page ").mid(1)) {
        pages.emplace_back();
        for (const auto& m : word.globalMatch(page))
            pages.last().append({m.captured(1).toDouble() * 25.4 / 72,
                                 m.captured(2).toDouble() * 25.4 / 72, m.captured(3)});
    }
    return pages;
}

// Each page's words, less the offset, as marksText writes marks; a word other than X shows
// its text ("XX@48,52"). Boxes sit on whole millimetres: within 0.3 mm reads as one.
inline QStringList marksRead(const QString& pdf, PrintOffset offset = {})
{
    auto mm = [](double v) {
        return std::abs(v - std::round(v)) <= 0.3 ? QString::number(std::round(v))
                                                  : QString::number(v, 'f', 2);
    };
    QStringList pages;
    for (const QList<Word>& page : words(pdf)) {
        QStringList texts;
        for (const Word& w : page) {
            const QString place =
                mm(w.x - Margins.left() - offset.x) + ',' + mm(w.y - Margins.top() - offset.y);
            texts << (w.text == "X" ? place : w.text + '@' + place);
        }
        texts.sort();
        pages << texts.join(' ');
    }
    return pages;
}

// Files made before a run in folder: "name" holds "old", "name/" is a folder.
inline void makeEarlier(const QTemporaryDir& folder, const QStringList& names)
{
    for (const QString& name : names)
        name.endsWith('/') ? void(QDir(folder.path()).mkdir(name))
                           : void(TestFile::write(folder, name, "old"));
}

// count distinct rows of the given matches, the n-th spelling n's digits.
inline std::vector<ScoreRow> countingRows(int count, int matches = 3)
{
    std::vector<ScoreRow> rows;
    for (int n = 0; n < count; ++n)
        rows.push_back(
            ScoreRow(matches, {n % 10, n / 10 % 10, n / 100 % 10, n / 1000 % 10, n / 10000}));
    return rows;
}

inline QPageLayout a4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Margins,
                       QPageLayout::Millimeter);
}

} // namespace PdfReading
