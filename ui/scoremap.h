#pragma once
// The 10 x 10 map of a match's final scores that the chances and the stake tables show: home
// goals down, away goals across, one read-only cell a score.
#include <QString>

class QTableWidget;
class QWidget;

namespace ScoreMap {
// The goals shown, 0..Goals-1 each way.
inline constexpr int Goals = 10;
QTableWidget* make(QWidget* parent, const QString& objectName);
} // namespace ScoreMap
