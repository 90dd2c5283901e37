#pragma once
// The two switches of the settings menu that the areas of the main window follow: how many
// matches a row has (2 or 3) and whether warnings are on. The main window owns it and decides
// when a switch happens (it asks first, and clears what a new match count clears); the areas
// read it as they work and follow its signals in what they show.

#include <QObject>

class BetSettings : public QObject
{
    Q_OBJECT
public:
    explicit BetSettings(QObject* parent = nullptr) : QObject(parent) {}

    int columnCount() const { return m_columnCount; }
    bool warningsOn() const { return m_warningsOn; }

    // Any count but 2 is taken as 3. The signals tell of changes only.
    void setColumnCount(int columns);
    void setWarningsOn(bool on);

signals:
    void columnCountChanged(int columns);
    void warningsOnChanged(bool on);

private:
    int m_columnCount = 3;
    bool m_warningsOn = true;
};
