#include "print/printtarget.h"
#include <QPrinter>

PrinterTarget::PrinterTarget(QPrinter& printer, bool numbered)
    : m_printer(printer), m_chosenName(printer.outputFileName()), m_numbered(numbered)
{
}

QPagedPaintDevice* PrinterTarget::nextJob()
{
    ++m_jobs;
    if (m_numbered && m_printer.outputFormat() == QPrinter::PdfFormat)
        m_printer.setOutputFileName(numberedName(m_chosenName, m_jobs));
    return &m_printer;
}

QString PrinterTarget::numberedName(const QString& chosen, int job)
{
    QString base = chosen;
    if (base.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QLatin1Char('-') + QString::number(job) + QStringLiteral(".pdf");
}
