#pragma once
// Encoders of the linear (non-EAN/UPC) symbologies. Each turns the component's text into a
// pattern string (see Barcode.h for the pattern language). `text` is the component's Text,
// already trimmed and digit-checked for digits-only types; an encoder that must rewrite it
// does so through the reference.
#include <string>

#include "barcode/BarcodeTypes.h"

namespace linear {

std::string code_2_5_interleaved(std::string& text, bool checksum);
std::string code_2_5_industrial(std::string& text, bool checksum);
std::string code_2_5_matrix(std::string& text, bool checksum);
std::string code_39(std::string& text, bool checksum);
std::string code_39_extended(std::string& text, bool checksum);
// All six Code 128 / EAN-128 types. Set C pads an odd text with a leading '0' in `text`.
// EAN-128 with checksum: the modulo-10 digit of `method` is encoded after the text but not
// written into it, so encoding the same text again gives the same symbol.
std::string code_128(std::string& text, TBarcodeType typ, bool checksum, TCheckSumMethod method);
// Fails with "TBarcodeSymbol:Code93 bad Data <text>" on a character outside its table.
std::string code_93(std::string& text, bool checksum);
std::string code_93_extended(std::string& text, bool checksum);
std::string code_msi(std::string& text, bool checksum);
std::string code_postnet(std::string& text, bool checksum);
// Fails with "TBarcodeSymbol:Codabar bad Data <text>" on a character outside its table.
std::string code_codabar(std::string& text, bool checksum);

} // namespace linear
