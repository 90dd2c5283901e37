#include "ui/printerchoice.h"
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

std::unique_ptr<QPrinter> DialogPrinterChoice::choose(QWidget* parent, const QString& title)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    // Coupons are placed by millimetres from the printable area: no page ranges or copies.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void DialogPrinterChoice::preview(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Esikatselu"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* printer) { paint(*printer); });
    dialog.exec();
}
