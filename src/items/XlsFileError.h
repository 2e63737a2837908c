#pragma once
// A spreadsheet file that cannot be read or written. The message names the file and is
// in the active code page, ready to be shown to the user.
#include <stdexcept>
#include <string>

class XlsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
