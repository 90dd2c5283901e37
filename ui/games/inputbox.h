#pragma once
// Input boxes go through this small interface, so a window asking the player for a line of
// text runs headless in tests with answers of the test's own.
#include <QString>

class QWidget;

class InputBox
{
public:
    virtual ~InputBox() = default;
    // The text entered, or an empty text when the player cancelled.
    virtual QString ask(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& initial) = 0;
};

// Asks with the toolkit's own input dialog.
class QtInputBox : public InputBox
{
public:
    QString ask(QWidget* parent, const QString& title, const QString& prompt,
                const QString& initial) override;
};
