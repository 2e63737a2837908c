#pragma once
// Help pages lie beside the database file; the copy shipped with the program stands in
// when the folder has none.
#include <string>

// Path of the page to show (active code page), empty when there is none.
std::string helpPagePath(const std::string& fileName);

// Opens the page in the desktop's viewer; does nothing when there is none.
void openHelpPage(const std::string& fileName);

// The main window's help page.
inline const char* const mainHelpPage = "TolvaneStd.htm";
