#pragma once
// The message and yes/no question every command uses (texts in the active code page).
#include <string>

class QWidget;

// Shows text with one "確定" button and waits until the user dismisses it.
void showMessageBox(const std::string& text, QWidget* owner);

// Asks text; true when the user answered yes. "No" holds the initial focus.
bool askYesNo(const std::string& text, QWidget* owner);
