#include "net/netplayqueue.h"

NetPlayQueue::Taken NetPlayQueue::takeRows(const std::vector<ScoreRow>& rows,
                                           const OrderAddress& address)
{
    std::vector<ScoreRow> accepted;
    accepted.reserve(rows.size());
    for (ScoreRow row : rows)
        if (address.accepts(row))
            accepted.push_back(row);

    Taken taken;
    taken.queued = int(accepted.size());
    taken.refused = int(rows.size() - accepted.size());
    // The addresses are built one at a time as rows become current: a list may be huge.
    m_rows = std::move(accepted);
    m_position = 0;
    m_address = address;
    m_mode = m_rows.empty() ? Mode::Idle : Mode::Rows;
    return taken;
}

bool NetPlayQueue::takeSystem(const GoalGrid& grid, const OrderAddress& address)
{
    if (!SystemText::hasTicks(grid))
        return false;
    m_rows.clear();
    m_position = 0;
    m_address = address;
    m_systemAddress = address.forSystem(grid);
    m_systemText = SystemText::describe(grid, address.columnCount());
    m_mode = Mode::System;
    return true;
}

void NetPlayQueue::advance()
{
    if (m_mode == Mode::Rows && ++m_position < m_rows.size())
        return;
    m_mode = Mode::Idle;
    m_rows.clear();
    m_position = 0;
}

QUrl NetPlayQueue::currentAddress() const
{
    switch (m_mode) {
    case Mode::Rows:
        return m_address->forRow(m_rows[m_position]).value_or(QUrl());
    case Mode::System:
        return m_systemAddress;
    case Mode::Idle:
        break;
    }
    return QUrl();
}

QString NetPlayQueue::progressText() const
{
    switch (m_mode) {
    case Mode::Rows:
        return QStringLiteral("%1/%2   (%3)")
            .arg(m_position + 1)
            .arg(m_rows.size())
            .arg(m_rows[m_position].text());
    case Mode::System:
        return QStringLiteral("( ") + m_systemText + QStringLiteral(" )");
    case Mode::Idle:
        break;
    }
    return QString();
}
