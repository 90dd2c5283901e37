#pragma once
#include <QLineEdit>
#include <QRegularExpressionValidator>

// Goal boxes take two digits; the validator also covers pasted text.
inline void takeTwoDigits(QLineEdit* box)
{
    box->setMaxLength(2);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), box));
}
