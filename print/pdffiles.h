#pragma once
// The PDF files of print jobs: one chosen name, or a numbered set "name-1.pdf", "name-2.pdf",
// ... beside it when every job needs a file of its own. A job counts as printed only when its
// file is known to be whole; a run replaces an earlier numbered set as a whole, so that no
// stale coupon is left among the new ones.

#include <QString>
#include <QStringList>

class PdfFileSet
{
public:
    PdfFileSet(const QString& chosen, bool numbered);

    // The file of the next job.
    QString nextPath();
    QString currentPath() const { return m_current; }

    // Files the run would replace: the chosen file, or every file of the numbered set, in
    // the order of their numbers.
    QStringList existing() const;
    // Removes the earlier numbered set; the chosen single file is simply written over.
    // False, with failure() telling which, when one of them cannot be removed.
    bool removeExisting();
    // Whether the last job's file is a whole PDF. A file left incomplete is removed, since a
    // reader may still show part of it: a coupon with marks missing.
    bool lastJobComplete();
    QString failure() const { return m_failure; }

    static QString numberedName(const QString& chosen, int job);
    // An ordinary file that begins as a PDF and ends with the trailer that points back into it.
    static bool isWholePdf(const QString& path);

private:
    QString m_chosen;
    bool m_numbered;
    int m_jobs = 0;
    QString m_current;
    QString m_failure;
};
