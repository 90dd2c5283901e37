#pragma once
// Reading and writing row files from a window: a busy pointer, a progress window for large
// files, and the messages both windows show for the same failures.
#include "files/rowfile.h"
#include <QApplication>

class QWidget;

struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

namespace RowFileDialogs {
// Reads path with a busy pointer, and a progress window that can stop it for large files.
RowFile::ReadResult read(QWidget* parent, const QString& path);
// Shows the message of a failed read (nothing for Ok and Cancelled); openTitle is the title
// of the "Yritä uudelleen!" message.
void showReadFailure(QWidget* parent, RowFile::Status status, const QString& openTitle);
// Writes with a busy pointer; a failure is told to the player, with its cause as the
// message's detail. Returns whether it was saved.
bool write(QWidget* parent, const QString& path, const std::vector<ScoreRow>& rows);
} // namespace RowFileDialogs
