#include "print/pdffiles.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {
QString baseOf(const QString& chosen)
{
    QString base = chosen;
    if (base.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        base.chop(4);
    return base;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

PdfFileSet::PdfFileSet(const QString& chosen, bool numbered)
    : m_chosen(chosen), m_numbered(numbered), m_current(chosen)
{
}

QString PdfFileSet::nextPath()
{
    ++m_jobs;
    m_current = m_numbered ? numberedName(m_chosen, m_jobs) : m_chosen;
    m_failure.clear();
    return m_current;
}

QStringList PdfFileSet::existing() const
{
    // A device or a folder under the chosen name is nothing the player could lose.
    if (!m_numbered)
        return QFileInfo(m_chosen).isFile() ? QStringList{m_chosen} : QStringList();
    const QFileInfo base(baseOf(m_chosen));
    const QRegularExpression numbered(QLatin1Char('^') +
                                      QRegularExpression::escape(base.fileName()) +
                                      QStringLiteral("-([1-9][0-9]{0,8})\\.pdf$"));
    std::vector<std::pair<int, QString>> found;
    const QDir folder = base.dir();
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = numbered.match(name);
        if (match.hasMatch())
            found.emplace_back(match.captured(1).toInt(), folder.filePath(name));
    }
    std::sort(found.begin(), found.end());
    QStringList paths;
    for (const auto& file : found)
        paths << file.second;
    return paths;
}

bool PdfFileSet::removeExisting()
{
    if (!m_numbered)
        return true;
    const QStringList earlier = existing();
    // Nothing goes unless all can go: a half-replaced set is what this guards against.
    for (const QString& path : earlier) {
        const QFileInfo info(path);
        if (!info.isFile() && !info.isSymLink()) {
            m_failure = QStringLiteral("Tiedostoa %1 ei voi korvata.").arg(shown(path));
            return false;
        }
    }
    for (const QString& path : earlier) {
        if (!QFile::remove(path)) {
            m_failure = QStringLiteral("Tiedostoa %1 ei voi korvata.").arg(shown(path));
            return false;
        }
    }
    return true;
}

bool PdfFileSet::lastJobComplete()
{
    if (isWholePdf(m_current))
        return true;
    m_failure =
        QStringLiteral("Tiedostoa %1 ei saatu kirjoitettua kokonaan.").arg(shown(m_current));
    const QFileInfo info(m_current);
    if (info.isFile() || info.isSymLink())
        QFile::remove(m_current);
    return false;
}

QString PdfFileSet::numberedName(const QString& chosen, int job)
{
    return baseOf(chosen) + QLatin1Char('-') + QString::number(job) + QStringLiteral(".pdf");
}

bool PdfFileSet::isWholePdf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(5) != "%PDF-")
        return false;
    const qint64 size = file.size();
    const qint64 tailSize = std::min<qint64>(size, 1024);
    if (!file.seek(size - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    // "startxref", the offset of the cross-reference table, "%%EOF": the offset must lie inside
    // the file and lead to the table.
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0)
        return false;
    bool ok = false;
    const qint64 xref = tail.mid(at + 9, tail.size() - 5 - at - 9).trimmed().toLongLong(&ok);
    if (!ok || xref <= 0 || xref >= size || !file.seek(xref))
        return false;
    return file.read(4) == "xref";
}
