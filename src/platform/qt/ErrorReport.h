#pragma once
// The application's default error report: an exception that leaves an event handler is
// shown to the user in a message box, and the program goes on with the next input.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The message an exception carries, in the active code page (what the report shows).
std::string exceptionText(std::exception_ptr error);

// Shows the report for one exception message (active code page).
void showErrorReport(const std::string& text);

// Runs one event delivery; an exception leaving it is reported and swallowed, and the
// delivery counts as not handled.
bool deliverReported(const std::function<bool()>& deliver);

// Scripted runs (tests of the real program, kiosk scripts) set TOLVANE_DIALOGS to "yes" or
// "no": then no dialog waits for a person. Its text goes to stderr (UTF-8, one line per
// dialog, prefixed by its kind) and questions get that answer.
std::optional<bool> scriptedDialogAnswer();
void echoDialog(std::string_view kind, std::string_view text);
