#pragma once
// TBarcodeSymbol: turns a barcode value into a row of bars and spaces and draws it, with an
// optional human-readable line, on a plain canvas or on a print-preview page.
//
// Pattern language: the encoders return one character per element, read left to right:
//   '0'..'3'  space of width w0..w3
//   '5'..'8'  full-height bar of width w0..w3
//   'A'..'D'  short bar (top two fifths) of width w0..w3
// w0 = Modul, w1 = round(Modul * Ratio), w2 = w1 * 3 / 2, w3 = w1 * 2 (see MakeModules).
#include <functional>
#include <string>

#include "barcode/BarcodeTypes.h"
#include "platform/Canvas.h"

class TBarcodeSymbol {
public:
    using TNotifyEvent = std::function<void(TBarcodeSymbol& sender)>;

    TBarcodeSymbol();
    virtual ~TBarcodeSymbol() = default;

    // Copies the symbol's settings and OnChange without notifying; not the text font or position.
    void Assign(const TBarcodeSymbol& source);

    // Properties. Setters marked "notifies" store and call DoChange only when the value changes.
    int Height() const { return fHeight; }
    void SetHeight(int value);                        // notifies
    const std::string& Text() const { return fText; }
    void SetText(const std::string& value);           // notifies
    int Top() const { return fTop; }
    void SetTop(int value);                           // notifies
    int Left() const { return fLeft; }
    void SetLeft(int value);                          // notifies
    int Modul() const { return fModul; }
    // Only 1..49 is accepted (others are dropped silently); an accepted value always notifies.
    void SetModul(int value);
    double Ratio() const { return fRatio; }
    void SetRatio(double value);                      // notifies
    TBarcodeType Typ() const { return fTyp; }
    void SetTyp(TBarcodeType value);                  // notifies
    bool Checksum() const { return fCheckSum; }
    void SetCheckSum(bool value);                     // notifies
    TCheckSumMethod CheckSumMethod() const { return fCheckSumMethod; }
    void SetCheckSumMethod(TCheckSumMethod value) { fCheckSumMethod = value; }
    double Angle() const { return fAngle; }
    void SetAngle(double value);                      // notifies
    TBarcodeOption ShowText() const { return fShowText; }
    void SetShowText(TBarcodeOption value);           // notifies
    const TFont& ShowTextFont() const { return fShowTextFont; }
    void SetShowTextFont(const TFont& value);         // copies, always notifies
    TShowTextPosition ShowTextPosition() const { return fShowTextPosition; }
    void SetShowTextPosition(TShowTextPosition value); // notifies
    TColor Color() const { return fColor; }
    void SetColor(TColor value) { fColor = value; }
    TColor ColorBar() const { return fColorBar; }
    void SetColorBar(TColor value) { fColorBar = value; }
    const TNotifyEvent& OnChange() const { return fOnChange; }
    void SetOnChange(TNotifyEvent handler) { fOnChange = std::move(handler); }

    // Total width in canvas units; encodes afresh on every call.
    int GetWidth();
    // Scales Modul toward a wanted total width (through SetModul, so out-of-range results are dropped).
    void SetWidth(int wanted);

    // Size of the bounding box of the symbol rotated by Angle.
    int GetCanvasWidth();
    int GetCanvasHeight();

    std::string GetTypText() const;
    bool IsNumberOnly() const;

    // Forces Ratio into the type's range (through SetRatio) and recomputes the element widths.
    void MakeModules();
    // Width and line type of one pattern character; anything else is an internal error.
    void OneBarProps(char code, int& width, TBarLineType& lineType) const;
    // The pattern of the current Text and Typ. Trims Text of digits-only types; some
    // encoders pad or complete Text (without notification).
    std::string MakeData();

    // Text with its check digit appended by CheckSumMethod.
    std::string DoCheckSumming(const std::string& digits) const;
    // Text preceded by as many '0' as it lacks to reach n characters; never cut.
    std::string SetLen(int n) const;

    void DoLines(const std::string& data, TCanvas& canvas);
    void DoLines(const std::string& data, TGmCanvas& canvas);
    void DrawText(TCanvas& canvas);
    void DrawText(TGmCanvas& canvas);
    // Encodes, draws bars and text lines, and leaves the canvas font, pen and brush as found.
    void DrawBarcode(TCanvas& canvas);
    void DrawBarcode(TGmCanvas& canvas);

    // Encoders; only MakeData calls them in the program.
    std::string Code_2_5_interleaved();
    std::string Code_2_5_industrial();
    std::string Code_2_5_matrix();
    std::string Code_39();
    std::string Code_39Extended();
    std::string Code_128();
    std::string Code_93();
    std::string Code_93Extended();
    std::string Code_MSI();
    std::string Code_PostNet();
    std::string Code_Codabar();
    std::string Code_EAN8();
    std::string Code_EAN13();
    std::string Code_UPC_A();
    std::string Code_UPC_E0();
    std::string Code_UPC_E1();
    std::string Code_Supp2();
    std::string Code_Supp5();

    // Current element widths w0..w3 (as of the last MakeModules).
    int ModuleWidth(int index) const { return moduleWidths[index]; }

protected:
    virtual void DoChange();

private:
    struct Origin {
        int x;
        int y;
    };
    Origin BoundingBoxOrigin(int width) const;
    // Sums the element widths, decoding (and so validating) every character.
    int PatternWidth(const std::string& data) const;
    int ValueLineX(int symbolWidth, int textWidth) const;
    std::string Code_UPC_E(bool numberSystem1);

    int fHeight = 0;
    std::string fText;
    int fTop = 0;
    int fLeft = 0;
    int fModul = 1;
    double fRatio = 2.0;
    TBarcodeType fTyp = bcCodeEAN13;
    bool fCheckSum = false;
    TCheckSumMethod fCheckSumMethod = csmModulo10;
    double fAngle = 0.0;
    TBarcodeOption fShowText = bcoNone;
    TFont fShowTextFont;
    TShowTextPosition fShowTextPosition = stpTopLeft;
    TColor fColor = clWhite;
    TColor fColorBar = clBlack;
    TNotifyEvent fOnChange;

    // Full int widths: a large Modul or Ratio must draw what it asks for, not wrap around.
    int moduleWidths[4] = {1, 2, 3, 4};
};
