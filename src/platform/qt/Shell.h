#pragma once
// The desktop shell's "open" of a file: shows it in the user's default viewer.
#include <string>

// path is in the active code page. False when no viewer could be started.
bool shellOpen(const std::string& path);
