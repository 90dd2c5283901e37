#pragma once
// Checking the list against the final scores the player types: whether the list holds the
// winning row, and how many rows had each number of matches right. Not modal; it reads the
// list and the match count as they are when "Tarkista" is pressed. Needs no model.

#include "core/rowlistmodel.h"
#include <QWidget>
#include <memory>

class BetSettings;

namespace Ui {
class frmTarkista;
}

class frmTarkista : public QWidget
{
    Q_OBJECT
public:
    // settings hold the main window's number of matches (2 or 3).
    frmTarkista(const RowListModel& rows, const BetSettings& settings, QWidget* parent = nullptr);
    ~frmTarkista() override;

signals:
    // The list holds the winning row, first at position (0-based): the main window ticks it
    // and scrolls to it.
    void winningRowFound(int position);

private:
    void showExample(int columns);
    void cmdTarkista_Click();

    std::unique_ptr<Ui::frmTarkista> ui;
    const RowListModel& m_rows;
    const BetSettings& m_settings;
};
