#pragma once
// The main window's two label commands: the print run (F11) and the settings command
// "條碼設定". Each opens its own label window on the stored layout and writes the window's
// settings back when it ends.
#include <array>
#include <optional>
#include <string>

#include "labels/PrintRun.h"

class QWidget;
class StringGrid;

// Prints the selected items' labels, sheet by sheet, through `selectedGrid` (9 columns).
// Does nothing without an item, a selection or a label to print. Errors (a bad layout
// number, a row or col below 1, a printer that cannot be opened) end the run where they
// happen, without writing the settings back.
PrintRunOutcome runPrintJob(const PrintItemSource& items, StringGrid& selectedGrid, QWidget* owner);

// The cell values of one item: barcode and string1..string6.
using SampleValues = std::array<std::string, 7>;

// Opens the label window on the stored layout, with the sample values when given, renders
// the sample sheet and shows the window modally; its settings are written back however it
// is closed.
void runSettingsCommand(const std::optional<SampleValues>& sample, QWidget* owner);
