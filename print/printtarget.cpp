#include "print/printtarget.h"
#include <QDir>
#include <QPdfWriter>

QString PrintTarget::failure() const
{
    return QStringLiteral("Tulostin ei ottanut työtä vastaan.");
}

PdfWriterTarget::PdfWriterTarget(const QString& chosen, bool numbered, const QPageLayout& layout)
    : m_files(chosen, numbered), m_layout(layout)
{
}

PdfWriterTarget::~PdfWriterTarget() = default;

QSizeF PdfWriterTarget::printableSize() const
{
    return m_layout.paintRect(QPageLayout::Millimeter).size();
}

QPagedPaintDevice* PdfWriterTarget::nextJob()
{
    m_writer = std::make_unique<QPdfWriter>(m_files.nextPath());
    m_writer->setPageLayout(m_layout);
    return m_writer.get();
}

bool PdfWriterTarget::jobFinished()
{
    m_writer.reset();
    return m_files.lastJobComplete();
}

QString PdfWriterTarget::failure() const
{
    return m_files.failure().isEmpty() ? QStringLiteral("Tiedostoa %1 ei voi kirjoittaa.")
                                             .arg(QDir::toNativeSeparators(m_files.currentPath()))
                                       : m_files.failure();
}
