// The comparison window with two files of 1,000,000 rows opened, as a player has them: from
// the click on the compare button to the ticks shown, beside a plain baseline of the same
// comparison. Two cases: the same list twice (yesterday's list against today's, the common
// one) and two lists sharing 30% of their rows.
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

// Times the click on "Vertaile 1 ja 2" with the two files opened fresh for every run.
double compareFiles(const char* what, RowListHistory& history, const QString& path1,
                    const QString& path2, std::vector<std::uint64_t> keys1,
                    std::vector<std::uint64_t> keys2)
{
    BetSettings settings;
    std::unique_ptr<frmVertaile> window;
    return Baseline::compare(
        what,
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
        Baseline::comparingJob(std::move(keys1), std::move(keys2)), 2.0);
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
        keys1 = keysOf(rows1);
        keys2 = keysOf(rows2);
    }

    RowListModel mainList;
    RowListHistory history(mainList);
    compareFiles("\"Vertaile 1 ja 2\", the same 1,000,000 rows twice", history, path1, path1, keys1,
                 keys1);
    compareFiles("\"Vertaile 1 ja 2\", 1,000,000 + 1,000,000 rows", history, path1, path2,
                 std::move(keys1), std::move(keys2));
    return 0;
}
