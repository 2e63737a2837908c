#pragma once
#include "platform/qt/HelpPage.h"

// Opens a help page found beside the database (or the shipped one) in the desktop's
// viewer; does nothing when there is none.
void openHelpPage(const std::string& fileName);
