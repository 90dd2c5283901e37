#pragma once
// Seam to the desktop's printers: where a run prints, and the print preview. The program asks
// the player with the print dialog (a printer, or a PDF file); tests print to files. Also the
// target that feeds a chosen printer one job at a time.

#include "print/pdffiles.h"
#include "print/printtarget.h"
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

class PrinterChoice
{
public:
    // Coupons print once each; a listing may be wanted in copies.
    enum Job
    {
        Coupons,
        Listing
    };

    virtual ~PrinterChoice() = default;
    // The printer for the coming run, or nullptr when the player cancelled.
    virtual std::unique_ptr<QPrinter> choose(QWidget* parent, const QString& title, Job job) = 0;
    // Shows the pages paint paints onto the printer it is given; the preview itself prints
    // nothing, so that every coupon goes through the checks of a print run.
    virtual void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

class DialogPrinterChoice : public PrinterChoice
{
public:
    std::unique_ptr<QPrinter> choose(QWidget* parent, const QString& title, Job job) override;
    void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

// A printer as the player chose it. Printing into a PDF file, each job would overwrite the
// last; numbered, the jobs go to "name-1.pdf", "name-2.pdf", ... beside the chosen name. The
// player is asked, over parent, before earlier files are replaced.
class PrinterTarget : public PrintTarget
{
public:
    PrinterTarget(QPrinter& printer, bool numbered, QWidget* parent);

    QSizeF printableSize() const override;
    QPagedPaintDevice* nextJob() override;
    bool jobFinished() override;
    QString failure() const override;
    QStringList existingFiles() const override;
    bool mayReplace(const QStringList& files) override;
    bool removeExisting() override;

private:
    QPrinter& m_printer;
    QWidget* m_parent;
    std::optional<PdfFileSet> m_files; // when printing into PDF files
};
