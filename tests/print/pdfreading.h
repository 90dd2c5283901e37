#pragma once
// Reading printed PDFs back with poppler's pdftotext: the words with their places, and the
// text as lines with a form feed line after every page.
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace PdfReading {

constexpr double MmPerPoint = 25.4 / 72;
// Margins of the test printers; marks are measured from the printable area inside them.
inline const QMarginsF Margins(12, 7, 10, 10);

struct Word
{
    QString text;
    double x; // mm from the left of the printable area
    double y; // mm from its top
};

inline QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("%s failed on %s", qPrintable(program), qPrintable(arguments.join(' ')));
    return process.readAllStandardOutput();
}

// Words of one page with their top-left corners.
inline QList<Word> words(const QString& pdf, int page = 1)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    const QString p = QString::number(page);
    const QString html = QString::fromUtf8(run("pdftotext", {"-bbox", "-f", p, "-l", p, pdf, "-"}));
    QList<Word> found;
    for (const auto& m : word.globalMatch(html))
        found.append({m.captured(3), m.captured(1).toDouble() * MmPerPoint - Margins.left(),
                      m.captured(2).toDouble() * MmPerPoint - Margins.top()});
    return found;
}

inline QStringList lines(const QString& pdf)
{
    QString text = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
    text.replace('\f', QStringLiteral("\n\f\n"));
    return text.split('\n', Qt::SkipEmptyParts);
}

inline std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Margins,
                                       QPageLayout::Millimeter));
    return printer;
}

} // namespace PdfReading
