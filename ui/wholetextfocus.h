#pragma once
// Boxes whose whole text is selected when the player comes to them, so that it can be copied
// or typed over.
class QLineEdit;

// Row text boxes the player copies from: whenever one gains the focus, by a click or by Tab,
// its whole text is selected.

void selectWholeTextOnFocus(QLineEdit* box);

// Number boxes: a click into one selects its whole text, so that typing replaces the value.
void selectWholeTextOnClick(QLineEdit* box);

// Moves the focus to the box and selects its whole text at once.
void focusWholeText(QLineEdit* box);
