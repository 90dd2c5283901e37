#pragma once
// The recovery copy of an unsaved row list: a first line naming the copy, its row count and
// the list's file, then the rows as a row file holds them. Written only whole (QSaveFile), so a
// copy that reads wrong was damaged afterwards, never cut short by the program itself.
#include "core/scorerow.h"
#include <QString>
#include <vector>

namespace RecoveryCopy {

struct Content
{
    bool ok = false;
    QString listFile; // the list's own file, empty when it has none
    std::vector<ScoreRow> rows;
    int columnCount = 0;
};

// On failure, why (if given) says why in the player's words.
bool write(const QString& path, const QString& listFile, const std::vector<ScoreRow>& rows,
           QString* why = nullptr);
// Anything but a whole copy, as write() made it, is not ok.
Content read(const QString& path);

} // namespace RecoveryCopy
