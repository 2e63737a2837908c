#pragma once
// Moving the stored layout between its table row and the label window's controls.
#include "labels/Barcode5Setup.h"

class TBarcode5Form;

// Shows a stored row in the window's controls.
void setupToForm(TBarcode5Form& window, const Barcode5Setup& row);

// Reads the controls into a record; texts point into the window's buffer. Fails with the
// conversion error of the first numeric field that is not a number (or does not fit its
// stored width); the record is then only partly filled, so callers fill a scratch record.
void formToSetup(TBarcode5Form& window, Barcode5Setup& row);

// Loads the single stored row into the window, creating it from the window's initial
// values when the table has none, and commits.
void obtainSetup(TBarcode5Form& window);

// Writes the window's controls back into the stored row and commits. A conversion error
// leaves the row as it was.
void writeSetupBack(TBarcode5Form& window);
