#pragma once
// Checking the list against the final scores the player types: whether the list holds the
// winning row, and how many rows had each number of matches right. Not modal; it reads the
// list and the match count as they are when "Tarkista" is pressed. Needs no model.

#include "core/rowlistmodel.h"
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class frmTarkista;
}

class frmTarkista : public QWidget
{
    Q_OBJECT
public:
    // columnCount gives the main window's number of matches (2 or 3).
    frmTarkista(const RowListModel& rows, std::function<int()> columnCount,
                QWidget* parent = nullptr);
    ~frmTarkista() override;

signals:
    // The list holds the winning row, first at position (0-based): the main window ticks it
    // and scrolls to it.
    void winningRowFound(int position);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdTarkista_Click();

    std::unique_ptr<Ui::frmTarkista> ui;
    const RowListModel& m_rows;
    std::function<int()> m_columnCount;
};
