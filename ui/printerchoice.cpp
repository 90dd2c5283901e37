#include "ui/printerchoice.h"
#include "ui/dialogs.h"
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

std::unique_ptr<QPrinter> DialogPrinterChoice::choose(QWidget* parent, const QString& title,
                                                      Job job)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (job == Coupons)
        printer->setCopyCount(1);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(title);
    // Coupons are placed by millimetres from the printable area: no page ranges or copies.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (job == Coupons) {
        if (auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("copies")))
            copies->setEnabled(false);
    }
    if (ModalRunner::exec(dialog) != QDialog::Accepted)
        return nullptr;
    // A printer whose own setting is two copies would print every coupon twice.
    if (job == Coupons)
        printer->setCopyCount(1);
    return printer;
}

void DialogPrinterChoice::preview(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Esikatselu"));
    dialog.resize(640, 760);
    auto* pages = new QPrintPreviewWidget(&dialog);
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested,
                     [&paint](QPrinter* printer) { paint(*printer); });
    auto* tools = new QToolBar(&dialog);
    tools->addAction(QStringLiteral("Suurenna"), pages, [pages] { pages->zoomIn(); });
    tools->addAction(QStringLiteral("Pienennä"), pages, [pages] { pages->zoomOut(); });
    tools->addAction(QStringLiteral("Koko sivu"), pages, [pages] { pages->fitInView(); });
    auto* hint = new QLabel(
        QStringLiteral("Kupongit tulostetaan Tulosta-valikon komennoilla, eivät esikatselusta."),
        &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tools);
    layout->addWidget(pages, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    ModalRunner::exec(dialog);
}

PrinterTarget::PrinterTarget(QPrinter& printer, bool numbered, QWidget* parent)
    : m_printer(printer), m_parent(parent)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        m_files.emplace(printer.outputFileName(), numbered);
}

QSizeF PrinterTarget::printableSize() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

QPagedPaintDevice* PrinterTarget::nextJob()
{
    if (m_files)
        m_printer.setOutputFileName(m_files->nextPath());
    return &m_printer;
}

bool PrinterTarget::jobFinished()
{
    if (m_files)
        return m_files->lastJobComplete();
    return m_printer.printerState() != QPrinter::Error &&
           m_printer.printerState() != QPrinter::Aborted;
}

QString PrinterTarget::failure() const
{
    if (!m_files)
        return PrintTarget::failure();
    return m_files->failure().isEmpty() ? QStringLiteral("Tiedostoa %1 ei voi kirjoittaa.")
                                              .arg(QDir::toNativeSeparators(m_files->currentPath()))
                                        : m_files->failure();
}

QStringList PrinterTarget::existingFiles() const
{
    return m_files ? m_files->existing() : QStringList();
}

bool PrinterTarget::removeExisting()
{
    return !m_files || m_files->removeExisting();
}

bool PrinterTarget::mayReplace(const QStringList& files)
{
    QStringList names;
    for (const QString& file : files.mid(0, 3))
        names << QFileInfo(file).fileName();
    if (files.size() > 3)
        names << QStringLiteral("... (yhteensä %1)").arg(files.size());
    if (files.size() == 1)
        return MessageBox::ask(
            m_parent, QStringLiteral("Korvataanko tiedosto?"),
            QStringLiteral("Tiedosto %1 on jo olemassa. Korvataanko se?").arg(names[0]),
            MessageBox::Exclamation);
    return MessageBox::ask(m_parent, QStringLiteral("Korvataanko tiedostot?"),
                           QStringLiteral("Tiedostot %1 ovat jo olemassa. Korvataanko ne? "
                                          "Kaikki ne poistetaan ennen tulostusta.")
                               .arg(names.join(QStringLiteral(", "))),
                           MessageBox::Exclamation);
}
