#pragma once
// A printer choice for tests: every run prints into PDF files in a folder, and the preview
// into "esikatselu.pdf" there.
#include "tests/print/pdfreading.h"
#include "ui/printerchoice.h"
#include <QDir>

class FilePrinters : public PrinterChoice
{
public:
    explicit FilePrinters(const QString& folder) : m_folder(folder) {}

    std::unique_ptr<QPrinter> choose(QWidget*, const QString&) override
    {
        ++choices;
        if (cancel)
            return nullptr;
        return PdfReading::pdfPrinter(m_folder + QLatin1Char('/') + fileName);
    }
    void preview(QWidget*, const std::function<void(QPrinter&)>& paint) override
    {
        auto printer = PdfReading::pdfPrinter(m_folder + QStringLiteral("/esikatselu.pdf"));
        paint(*printer);
    }

    // The printed files in name order (numbered coupons sort by their number below ten).
    QStringList files() const { return QDir(m_folder).entryList({"*.pdf"}, QDir::Files); }
    QString path(const QString& name) const { return m_folder + QLatin1Char('/') + name; }

    bool cancel = false;
    int choices = 0;
    QString fileName = QStringLiteral("kuponki.pdf");

private:
    QString m_folder;
};
