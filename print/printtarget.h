#pragma once
// Where print jobs go. A run asks for one device per job, paints it and ends the painter,
// which sends the job: a printer fed with coupons takes one coupon per job.

#include <QString>

class QPagedPaintDevice;
class QPrinter;

class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    // The device for the next job, ready for a QPainter; nullptr when there is none.
    virtual QPagedPaintDevice* nextJob() = 0;
};

// A printer as the player chose it. Printing into a PDF file, each job would overwrite the
// last; numbered, the jobs go to "name-1.pdf", "name-2.pdf", ... beside the chosen name.
class PrinterTarget : public PrintTarget
{
public:
    PrinterTarget(QPrinter& printer, bool numbered);
    QPagedPaintDevice* nextJob() override;

    static QString numberedName(const QString& chosen, int job);

private:
    QPrinter& m_printer;
    QString m_chosenName;
    bool m_numbered;
    int m_jobs = 0;
};
