#pragma once
// Seam to the desktop's printers: where a run prints, and the print preview. The program asks
// the player with the print dialog (a printer, or a PDF file); tests print to files.

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

class PrinterChoice
{
public:
    virtual ~PrinterChoice() = default;
    // The printer for the coming run, or nullptr when the player cancelled.
    virtual std::unique_ptr<QPrinter> choose(QWidget* parent, const QString& title) = 0;
    // Shows a preview whose pages paint paints onto the printer it is given.
    virtual void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

class DialogPrinterChoice : public PrinterChoice
{
public:
    std::unique_ptr<QPrinter> choose(QWidget* parent, const QString& title) override;
    void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};
