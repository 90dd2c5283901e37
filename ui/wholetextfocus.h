#pragma once
// Row text boxes the player copies from: whenever one gains the focus, by a click or by Tab,
// its whole text is selected.
class QLineEdit;

void selectWholeTextOnFocus(QLineEdit* box);

// Moves the focus to the box and selects its whole text at once.
void focusWholeText(QLineEdit* box);
