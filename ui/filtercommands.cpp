#include "ui/filtercommands.h"
#include "ui/betsettings.h"
#include "ui/chancecommands.h"
#include "ui/frmKarsinta.h"
#include "ui/sidewindows.h"
#include "ui/valuecommands.h"
#include <QAction>

FilterCommands::FilterCommands(QWidget* window, RowListHistory& history,
                               const BetSettings& settings, const ChanceCommands& chances,
                               const ValueCommands& values)
    : QObject(window), m_window(window), m_history(history), m_settings(settings),
      m_chances(chances), m_value(values.rowValue())
{
    connect(&values, &ValueCommands::rowValueChanged, this,
            [this, &values] { setRowValue(values.rowValue()); });
}

void FilterCommands::takeMenuItem(QAction* item)
{
    connect(item, &QAction::triggered, this, &FilterCommands::MnuKarsinta_Click);
}

void FilterCommands::setRowValue(std::shared_ptr<const RowValue> value)
{
    m_value = std::move(value);
    if (m_filterWindow)
        m_filterWindow->setRowValue(m_value);
}

void FilterCommands::MnuKarsinta_Click()
{
    SideWindows::showOnce(m_filterWindow, [this] {
        auto* window = new frmKarsinta(m_history, m_settings.columnCount(), m_window);
        connect(&m_settings, &BetSettings::columnCountChanged, window,
                &frmKarsinta::setColumnCount);
        connect(&m_chances, &ChanceCommands::modelChanged, window,
                [this, window] { window->setChances(m_chances.model()); });
        window->setChances(m_chances.model());
        window->setRowValue(m_value);
        return window;
    });
}
