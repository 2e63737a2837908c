#pragma once
// Where a help page is found: beside the database when the user put one there,
// otherwise the page shipped with the program.
#include <string>

// rootPath: the database folder (may be empty before the database is open);
// fileName: "Tolvane.htm" or "TolvaneStd.htm".
std::string helpPagePath(const std::string& rootPath, const std::string& fileName);
