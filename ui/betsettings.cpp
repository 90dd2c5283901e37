#include "ui/betsettings.h"

void BetSettings::setColumnCount(int columns)
{
    columns = columns == 2 ? 2 : 3;
    if (columns == m_columnCount)
        return;
    m_columnCount = columns;
    emit columnCountChanged(columns);
}

void BetSettings::setWarningsOn(bool on)
{
    if (on == m_warningsOn)
        return;
    m_warningsOn = on;
    emit warningsOnChanged(on);
}
