#pragma once
// Stored layouts name Windows fonts that no Linux font package answers to; this tells
// Qt which installed families stand in for them. Call once after the QApplication exists.
void registerFontSubstitutions();
