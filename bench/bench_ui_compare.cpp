// The comparison window with two files of 1,000,000 rows opened, as a player has them: from
// the click on the compare button to the ticks shown, beside a plain baseline of the same
// comparison.
#include "baseline.h"
#include "benchrows.h"
#include "files/rowfile.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/frmVertaile.h"
#include "ui/rowlisthistory.h"
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace {
void open(frmVertaile& window, const char* button, const QString& path)
{
    FileDialog::setNextFileName(path);
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}
} // namespace

int main(int argc, char* argv[])
{
    Baseline::keepMemory();
    QApplication app(argc, argv);
    MessageBox::setHeadless(true);
    QTemporaryDir dir;
    const QString path1 = dir.filePath("Sarvento1.txt");
    const QString path2 = dir.filePath("Sarvento2.txt");
    std::vector<std::uint64_t> keys1;
    std::vector<std::uint64_t> keys2;
    {
        const std::vector<ScoreRow> rows1 = shiftedRows(1'000'000, 0);
        const std::vector<ScoreRow> rows2 = shiftedRows(1'000'000, 700'000);
        if (!RowFile::write(path1, rows1) || !RowFile::write(path2, rows2))
            return 1;
        for (ScoreRow row : rows1)
            keys1.push_back(row.key());
        for (ScoreRow row : rows2)
            keys2.push_back(row.key());
    }

    RowListModel mainList;
    RowListHistory history(mainList);
    BetSettings settings;
    std::unique_ptr<frmVertaile> window;
    Baseline::compare("\"Vertaile 1 ja 2\" with 1,000,000 + 1,000,000 rows",
                      {[&] {
                           window = std::make_unique<frmVertaile>(history, settings);
                           window->show();
                           open(*window, "cmdAvaa_1", path1);
                           open(*window, "cmdAvaa_2", path2);
                           QApplication::processEvents();
                       },
                       [&] {
                           window->findChild<QPushButton*>(QStringLiteral("cmdVertaa"))->click();
                           QApplication::processEvents();
                       },
                       [&] { window.reset(); }},
                      Baseline::comparingJob(keys1, keys2), 2.5);
    return 0;
}
