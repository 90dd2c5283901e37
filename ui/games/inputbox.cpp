#include "ui/games/inputbox.h"
#include <QInputDialog>

QString QtInputBox::ask(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}
