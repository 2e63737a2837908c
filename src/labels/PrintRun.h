#pragma once
// The print run's sheet-by-sheet rule: every selected item becomes as many labels as its
// print count, handed to the label window one sheet at a time through a plain grid.
#include <string>

class StringGrid;

// The main window's item list as the run reads it: row 0 is the heading, column 8 the
// print count, columns 1..7 the barcode and the six strings.
class PrintItemSource {
public:
    virtual ~PrintItemSource() = default;
    virtual int rowCount() const = 0;          // heading included
    virtual int colCount() const = 0;
    virtual int selectedCount() const = 0;
    virtual bool rowSelected(int row) const = 0;
    virtual std::string cell(int col, int row) const = 0;
};

// What the run does with a sheet once the hand-over grid holds it.
class SheetActions {
public:
    virtual ~SheetActions() = default;
    virtual void renderSheet() = 0;   // lay the grid's labels out on the preview
    virtual void printSheet() = 0;    // print the preview, pageNo copies
    virtual void showPreview() = 0;   // let the user look at (and print) the last sheet
};

enum class PrintRunOutcome {
    NothingToDo,  // no item, no selection, or no label asked for: nothing was shown or printed
    Previewed,    // every label fitted on one sheet, which was shown
    Printed,      // more than one sheet: all were printed directly
};

// Pages the selected items' labels into `handOver` (one row per label, 9 columns) sheet by
// sheet. A full sheet is rendered and printed only when one more label needs room; the last
// sheet is printed when an earlier one was, and previewed otherwise. A print count that is
// not a number fails with the conversion error; errors of the actions end the run there.
PrintRunOutcome pageLabels(const PrintItemSource& items, int labelsPerSheet, StringGrid& handOver,
                           SheetActions& actions);

// True when the list has an item and at least one is selected: otherwise a run does nothing.
bool hasPrintSelection(const PrintItemSource& items);
