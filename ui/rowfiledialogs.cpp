#include "ui/rowfiledialogs.h"
#include "ui/dialogs.h"
#include "ui/progresswindow.h"
#include "ui/texts.h"
#include <QFileInfo>

namespace {
// Smaller files open faster than a progress window could appear.
constexpr qint64 ProgressFromBytes = 8 << 20;
} // namespace

namespace RowFileDialogs {

RowFile::ReadResult read(QWidget* parent, const QString& path)
{
    BusyCursor busy;
    if (QFileInfo(path).size() < ProgressFromBytes)
        return RowFile::read(path);
    ProgressWindow progress(parent, QStringLiteral("Avataan tiedostoa..."), true,
                            QStringLiteral("Peruuta"));
    return RowFile::read(path, progress.callback());
}

void showReadFailure(QWidget* parent, RowFile::Status status, const QString& openTitle)
{
    switch (status) {
    case RowFile::Status::Ok:
    case RowFile::Status::Cancelled:
        break;
    case RowFile::Status::CannotOpen:
        MessageBox::show(parent, openTitle, QStringLiteral("Yritä uudelleen!"),
                         MessageBox::Information);
        break;
    case RowFile::Status::TooLarge:
        MessageBox::show(parent, Texts::AppTitle,
                         QStringLiteral("Tiedosto on liian suuri avattavaksi."),
                         MessageBox::Exclamation);
        break;
    case RowFile::Status::BadData:
        MessageBox::show(parent, Texts::AppTitle,
                         QStringLiteral("Tiedosto sisältää vääränlaista dataa!!"));
        break;
    }
}

bool write(QWidget* parent, const QString& path, const std::vector<ScoreRow>& rows)
{
    bool saved;
    QString why;
    {
        BusyCursor busy;
        saved = RowFile::write(path, rows, &why);
    }
    if (!saved)
        MessageBox::show(parent, QStringLiteral("Tiedostoa ei voi tallentaa"),
                         QStringLiteral("Tallennus epäonnistui!"), MessageBox::Exclamation, why);
    return saved;
}

} // namespace RowFileDialogs
