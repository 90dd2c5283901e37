#pragma once
// Where print jobs go. A run asks for one device per job, paints it and ends the painter,
// which sends the job: a printer fed with coupons takes one coupon per job. A job counts as
// printed only once the target knows it is complete.

#include "print/pdffiles.h"
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;

class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    // Width and height of the printable area of the coming pages, in millimetres.
    virtual QSizeF printableSize() const = 0;
    // The device for the next job, ready for a QPainter; nullptr when there is none.
    virtual QPagedPaintDevice* nextJob() = 0;
    // After the job's painter has ended: whether the job is known to be complete.
    virtual bool jobFinished() = 0;
    // What went wrong, for the player: a sentence of its own.
    virtual QString failure() const;
    // Files a run would replace; once the run is known to be printable, it asks mayReplace
    // before any of them goes.
    virtual QStringList existingFiles() const { return {}; }
    virtual bool mayReplace(const QStringList& files)
    {
        Q_UNUSED(files);
        return true;
    }
    // Clears the way for a run that replaces the earlier files as a whole; false, with
    // failure() telling why, when one of them stays.
    virtual bool removeExisting() { return true; }
};

// PDF files written without a printer: the same pages as a printer set to print into a file.
class PdfWriterTarget : public PrintTarget
{
public:
    PdfWriterTarget(const QString& chosen, bool numbered, const QPageLayout& layout);
    ~PdfWriterTarget() override;

    QSizeF printableSize() const override;
    QPagedPaintDevice* nextJob() override;
    bool jobFinished() override;
    QString failure() const override;
    QStringList existingFiles() const override { return m_files.existing(); }
    bool removeExisting() override { return m_files.removeExisting(); }

    QString currentPath() const { return m_files.currentPath(); }

private:
    PdfFileSet m_files;
    QPageLayout m_layout;
    std::unique_ptr<QPdfWriter> m_writer;
};
