#pragma once
// Help pages lie beside the database file; the copy shipped with the program stands in
// when the folder has none.
#include <string>

// rootPath: the database folder (empty before the database is open). Returns the page to
// show, or an empty text when there is none.
std::string helpPagePath(const std::string& rootPath, const std::string& fileName);

inline const char* const mainHelpPage = "TolvaneStd.htm";  // main window and item dialog
inline const char* const labelHelpPage = "Tolvane.htm";    // label window
