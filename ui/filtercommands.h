#pragma once
// The filter in the main window: "Karsinta" in the edit menu opens the filter window once,
// beside the main window, following the match count, the chances and the row value in use.

#include <QObject>
#include <QPointer>
#include <memory>

class BetSettings;
class ChanceCommands;
class QAction;
class RowListHistory;
class RowValue;
class ValueCommands;
class frmKarsinta;

class FilterCommands : public QObject
{
    Q_OBJECT
public:
    // window: the main window, the filter window's parent.
    FilterCommands(QWidget* window, RowListHistory& history, const BetSettings& settings,
                   const ChanceCommands& chances, const ValueCommands& values);

    void takeMenuItem(QAction* item);
    // The row value in use, null while none is set; the filter window follows it.
    void setRowValue(std::shared_ptr<const RowValue> value);

    void MnuKarsinta_Click();

private:
    QWidget* m_window;
    RowListHistory& m_history;
    const BetSettings& m_settings;
    const ChanceCommands& m_chances;
    std::shared_ptr<const RowValue> m_value;
    QPointer<frmKarsinta> m_filterWindow;
};
