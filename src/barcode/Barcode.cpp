#include "barcode/Barcode.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

#include "barcode/Bcchksum.h"
#include "barcode/LinearEncoders.h"

namespace {

// Nearest integer, halves to the even neighbour (2.5 -> 2, -27.5 -> -28); NaN reads as 0 and
// huge values saturate, so no conversion is undefined.
long long roundEven(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 9.0e18)
        return 9'000'000'000'000'000'000LL;
    if (v <= -9.0e18)
        return -9'000'000'000'000'000'000LL;
    const double r = std::nearbyint(v); // the default rounding mode is to nearest-even
    return static_cast<long long>(r);
}

struct TBCdata {
    const char* name;
    bool numberOnly;
};

constexpr TBCdata BCdata[] = {
    {"2_5_interleaved", true}, {"2_5_industrial", true}, {"2_5_matrix", true},
    {"Code39", false}, {"Code39 Extended", false},
    {"Code128A", false}, {"Code128B", false}, {"Code128C", true},
    {"Code93", false}, {"Code93 Extended", false},
    {"MSI", true}, {"PostNet", true}, {"Codebar", false},
    {"EAN8", true}, {"EAN13", true}, {"UPC_A", true},
    {"UPC_E0", true}, {"UPC_E1", true}, {"UPC Supp2", true}, {"UPC Supp5", true},
    {"EAN128A", false}, {"EAN128B", false}, {"EAN128C", true},
};
constexpr int typeCount = static_cast<int>(std::size(BCdata));

bool validType(TBarcodeType typ)
{
    return typ >= 0 && typ < typeCount;
}

// Larger elements than this are far beyond any canvas; the bound keeps sums in range.
constexpr long long maxElementWidth = 1 << 20;

int clampWidth(long long w)
{
    return static_cast<int>(std::clamp(w, -maxElementWidth, maxElementWidth));
}

int clampToInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Blanks and control characters (bytes up to the space) at either end go.
std::string trimmed(const std::string& s)
{
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0, e = s.size();
    while (b < e && isTrimmed(s[b]))
        ++b;
    while (e > b && isTrimmed(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

[[noreturn]] void internalError()
{
    throw EBarcodeError("TBarcodeSymbol: internal Error");
}

struct SinCos {
    double s;
    double c;
};

SinCos angleOf(double degrees)
{
    // Quarter turns are exact, so an upright or turned symbol's box is not off by rounding noise.
    const double quarters = degrees / 90.0;
    if (quarters == std::floor(quarters) && std::isfinite(quarters)) {
        switch (static_cast<long long>(std::fmod(quarters, 4.0) + 4.0) % 4) {
        case 0: return {0.0, 1.0};
        case 1: return {1.0, 0.0};
        case 2: return {0.0, -1.0};
        default: return {-1.0, 0.0};
        }
    }
    const double a = degrees * std::numbers::pi / 180.0;
    return {std::sin(a), std::cos(a)};
}

// Puts the canvas's font, pen and brush back however the drawing ends.
template <class Canvas>
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& canvas)
        : canvas_(canvas), font_(canvas.Font), pen_(canvas.Pen), brush_(canvas.Brush) {}
    ~CanvasStateGuard()
    {
        canvas_.Font = font_;
        canvas_.Pen = pen_;
        canvas_.Brush = brush_;
    }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
    TFont font_;
    TPen pen_;
    TBrush brush_;
};

} // namespace

TBarcodeSymbol::TBarcodeSymbol() = default;

void TBarcodeSymbol::DoChange()
{
    if (fOnChange)
        fOnChange(*this);
}

void TBarcodeSymbol::Assign(const TBarcodeSymbol& source)
{
    if (&source == this)
        return;
    fHeight = source.fHeight;
    fText = source.fText;
    fTop = source.fTop;
    fLeft = source.fLeft;
    fModul = source.fModul;
    fRatio = source.fRatio;
    fTyp = source.fTyp;
    fCheckSum = source.fCheckSum;
    fShowText = source.fShowText;
    fAngle = source.fAngle;
    fColor = source.fColor;
    fColorBar = source.fColorBar;
    fCheckSumMethod = source.fCheckSumMethod;
    fOnChange = source.fOnChange;
}

namespace {

template <class T>
bool storeIfChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TBarcodeSymbol::SetHeight(int value)
{
    if (storeIfChanged(fHeight, value))
        DoChange();
}

void TBarcodeSymbol::SetText(const std::string& value)
{
    if (storeIfChanged(fText, value))
        DoChange();
}

void TBarcodeSymbol::SetTop(int value)
{
    if (storeIfChanged(fTop, value))
        DoChange();
}

void TBarcodeSymbol::SetLeft(int value)
{
    if (storeIfChanged(fLeft, value))
        DoChange();
}

void TBarcodeSymbol::SetModul(int value)
{
    if (value < 1 || value > 49)
        return;
    fModul = value;
    DoChange();
}

void TBarcodeSymbol::SetRatio(double value)
{
    if (storeIfChanged(fRatio, value))
        DoChange();
}

void TBarcodeSymbol::SetTyp(TBarcodeType value)
{
    if (storeIfChanged(fTyp, value))
        DoChange();
}

void TBarcodeSymbol::SetCheckSum(bool value)
{
    if (storeIfChanged(fCheckSum, value))
        DoChange();
}

void TBarcodeSymbol::SetAngle(double value)
{
    if (storeIfChanged(fAngle, value))
        DoChange();
}

void TBarcodeSymbol::SetShowText(TBarcodeOption value)
{
    if (storeIfChanged(fShowText, value))
        DoChange();
}

void TBarcodeSymbol::SetShowTextFont(const TFont& value)
{
    fShowTextFont = value;
    DoChange();
}

void TBarcodeSymbol::SetShowTextPosition(TShowTextPosition value)
{
    if (storeIfChanged(fShowTextPosition, value))
        DoChange();
}

std::string TBarcodeSymbol::GetTypText() const
{
    return validType(fTyp) ? BCdata[fTyp].name : "";
}

bool TBarcodeSymbol::IsNumberOnly() const
{
    return validType(fTyp) && BCdata[fTyp].numberOnly;
}

void TBarcodeSymbol::MakeModules()
{
    double lower = 0.0;
    bool limited = true;
    switch (fTyp) {
    case bcCode_2_5_interleaved:
    case bcCode_2_5_industrial:
    case bcCode39:
    case bcCode39Extended:
    case bcCodeCodabar:
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
    case bcCodeUPC_Supp2:
    case bcCodeUPC_Supp5:
        lower = 2.0;
        break;
    case bcCode_2_5_matrix:
        lower = 2.25;
        break;
    default:
        limited = false;
        break;
    }
    if (limited) {
        if (!(fRatio >= lower)) // NaN too
            SetRatio(lower);
        else if (fRatio > 3.0)
            SetRatio(3.0);
    }

    const long long w1 = clampWidth(roundEven(fModul * fRatio));
    moduleWidths[0] = fModul;
    moduleWidths[1] = static_cast<int>(w1);
    moduleWidths[2] = clampWidth(w1 * 3 / 2);
    moduleWidths[3] = clampWidth(w1 * 2);
}

void TBarcodeSymbol::OneBarProps(char code, int& width, TBarLineType& lineType) const
{
    switch (code) {
    case '0': case '1': case '2': case '3':
        width = moduleWidths[code - '0'];
        lineType = white;
        return;
    case '5': case '6': case '7': case '8':
        width = moduleWidths[code - '5'];
        lineType = black;
        return;
    case 'A': case 'B': case 'C': case 'D':
        width = moduleWidths[code - 'A'];
        lineType = black_half;
        return;
    default:
        internalError();
    }
}

std::string TBarcodeSymbol::MakeData()
{
    MakeModules();
    if (IsNumberOnly()) {
        fText = trimmed(fText);
        for (char c : fText)
            if (c < '0' || c > '9')
                throw EBarcodeError("Barcode must be numeric");
    }
    switch (fTyp) {
    case bcCode_2_5_interleaved: return Code_2_5_interleaved();
    case bcCode_2_5_industrial: return Code_2_5_industrial();
    case bcCode_2_5_matrix: return Code_2_5_matrix();
    case bcCode39: return Code_39();
    case bcCode39Extended: return Code_39Extended();
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C: return Code_128();
    case bcCode93: return Code_93();
    case bcCode93Extended: return Code_93Extended();
    case bcCodeMSI: return Code_MSI();
    case bcCodePostNet: return Code_PostNet();
    case bcCodeCodabar: return Code_Codabar();
    case bcCodeEAN8: return Code_EAN8();
    case bcCodeEAN13: return Code_EAN13();
    case bcCodeUPC_A: return Code_UPC_A();
    case bcCodeUPC_E0: return Code_UPC_E0();
    case bcCodeUPC_E1: return Code_UPC_E1();
    case bcCodeUPC_Supp2: return Code_Supp2();
    case bcCodeUPC_Supp5: return Code_Supp5();
    }
    throw EBarcodeError("TBarcodeSymbol: wrong BarcodeType");
}

int TBarcodeSymbol::PatternWidth(const std::string& data) const
{
    long long total = 0;
    for (char c : data) {
        int w;
        TBarLineType t;
        OneBarProps(c, w, t);
        total += w;
    }
    return clampToInt(total);
}

int TBarcodeSymbol::GetWidth()
{
    return PatternWidth(MakeData());
}

void TBarcodeSymbol::SetWidth(int wanted)
{
    const int total = PatternWidth(MakeData());
    if (total > 0)
        SetModul(clampToInt(static_cast<long long>(fModul) * wanted / total));
}

int TBarcodeSymbol::GetCanvasWidth()
{
    const double w = GetWidth();
    const auto [s, c] = angleOf(fAngle);
    return clampToInt(roundEven(w * std::fabs(c) + fHeight * std::fabs(s) + 0.5));
}

int TBarcodeSymbol::GetCanvasHeight()
{
    const double w = GetWidth();
    const auto [s, c] = angleOf(fAngle);
    return clampToInt(roundEven(w * std::fabs(s) + fHeight * std::fabs(c) + 0.5));
}

TBarcodeSymbol::Origin TBarcodeSymbol::BoundingBoxOrigin(int width) const
{
    const double w = width;
    const double h = fHeight;
    const auto [s, c] = angleOf(fAngle);
    long long dx = 0, dy = 0;
    if (s >= 0 && c >= 0) {
        dy = roundEven(w * s);
    } else if (s >= 0) {
        dx = -roundEven(w * c);
        dy = roundEven(w * s - h * c);
    } else if (c >= 0) {
        dx = -roundEven(h * s);
    } else {
        dx = -roundEven(w * c) - roundEven(h * s);
        dy = -roundEven(h * c);
    }
    return {clampToInt(fLeft + dx), clampToInt(fTop + dy)};
}

std::string TBarcodeSymbol::DoCheckSumming(const std::string& digits) const
{
    return ::DoCheckSumming(digits, fCheckSumMethod);
}

std::string TBarcodeSymbol::SetLen(int n) const
{
    if (n <= static_cast<int>(fText.size()))
        return fText;
    return std::string(n - fText.size(), '0') + fText;
}

void TBarcodeSymbol::DoLines(const std::string& data, TCanvas& canvas)
{
    // Decodes every character before the canvas is touched, so a bad pattern draws nothing.
    const Origin origin = BoundingBoxOrigin(PatternWidth(data));
    const auto [s, c] = angleOf(fAngle);
    auto rotated = [&, s = s, c = c](int x, int y) {
            return TPoint{clampToInt(origin.x + roundEven(x * c + y * s)),
                      clampToInt(origin.y + roundEven(-x * s + y * c))};
    };

    canvas.Pen.Width = 1;
    canvas.Brush.Style = bsSolid;
    long long x = 0;
    for (char code : data) {
        int w;
        TBarLineType t;
        OneBarProps(code, w, t);
        const TColor color = (t == white) ? fColor : fColorBar;
        canvas.Pen.Color = color;
        canvas.Brush.Color = color;
        const int h = (t == black_half) ? 2 * fHeight / 5 : fHeight;
        if (w > 0) {
            const int x0 = clampToInt(x);
            const int x1 = clampToInt(x + w - 1);
            canvas.Polygon({rotated(x0, 0), rotated(x0, h), rotated(x1, h), rotated(x1, 0)});
        }
        x += w;
    }
}

void TBarcodeSymbol::DoLines(const std::string& data, TGmCanvas& canvas)
{
    // Bars stay upright on the page; only the origin follows Angle.
    const Origin origin = BoundingBoxOrigin(PatternWidth(data));
    canvas.Pen.Width = 1;
    canvas.Brush.Style = bsSolid;
    long long x = 0;
    for (char code : data) {
        int w;
        TBarLineType t;
        OneBarProps(code, w, t);
        const TColor color = (t == white) ? fColor : fColorBar;
        canvas.Pen.Color = color;
        canvas.Brush.Color = color;
        const int h = (t == black_half) ? 2 * fHeight / 5 : fHeight;
        if (w > 0) {
            const double left = static_cast<double>(origin.x) + static_cast<double>(x);
            canvas.Rectangle(left, origin.y, left + w, static_cast<double>(origin.y) + h, gmPixels);
        }
        x += w;
    }
}

int TBarcodeSymbol::ValueLineX(int symbolWidth, int textWidth) const
{
    const long long span = static_cast<long long>(symbolWidth) - textWidth;
    switch (fShowTextPosition) {
    case stpTopRight:
    case stpBottomRight:
        return clampToInt(fLeft + span);
    case stpTopCenter:
    case stpBottomCenter:
        return clampToInt(fLeft + span / 2);
    case stpTopLeft:
    case stpBottomLeft:
        break;
    }
    return fLeft;
}

namespace {

// The page canvas aligns only the bottom line; the plain canvas aligns both.
bool alignsValueLine(TShowTextPosition position, bool pageCanvas)
{
    switch (position) {
    case stpTopRight:
    case stpTopCenter:
        return !pageCanvas;
    case stpBottomRight:
    case stpBottomCenter:
        return true;
    case stpTopLeft:
    case stpBottomLeft:
        break;
    }
    return false;
}

bool onTop(TShowTextPosition position)
{
    return position == stpTopLeft || position == stpTopRight || position == stpTopCenter;
}

} // namespace

void TBarcodeSymbol::DrawText(TCanvas& canvas)
{
    canvas.Font = fShowTextFont;
    canvas.Pen.Color = fShowTextFont.Color;
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;

    int x = fLeft;
    if (alignsValueLine(fShowTextPosition, false)) {
        const int symbolWidth = GetWidth();
        x = ValueLineX(symbolWidth, canvas.TextWidth(fText));
    }
    const int y = onTop(fShowTextPosition) ? fTop : clampToInt(static_cast<long long>(fTop) + fHeight + 1);

    if (fShowText == bcoCode || fShowText == bcoBoth)
        canvas.TextOut(x, y, fText);
    if (fShowText == bcoTyp || fShowText == bcoBoth)
        canvas.TextOut(fLeft, clampToInt(fTop + roundEven(2.5 * fShowTextFont.Height)), GetTypText());
}

void TBarcodeSymbol::DrawText(TGmCanvas& canvas)
{
    canvas.Font = fShowTextFont;
    canvas.Pen.Color = fShowTextFont.Color;
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;

    int x = fLeft;
    if (alignsValueLine(fShowTextPosition, true)) {
        const int symbolWidth = GetWidth();
        // Whole 1/100 mm, then the page's 1/96-inch pixels.
        const int gmUnitsWide = canvas.TextWidth(fText).GetAsGmUnits();
        const int textWidth = clampToInt(roundEven(ConvertValue(gmUnitsWide, gmUnits, gmPixels)));
        x = ValueLineX(symbolWidth, textWidth);
    }
    const int y = onTop(fShowTextPosition) ? fTop : clampToInt(static_cast<long long>(fTop) + fHeight + 1);

    if (fShowText == bcoCode || fShowText == bcoBoth)
        canvas.TextOut(x, y, fText, gmPixels);
    if (fShowText == bcoTyp || fShowText == bcoBoth)
        canvas.TextOut(fLeft, static_cast<double>(fTop + roundEven(2.5 * fShowTextFont.Height)),
                       GetTypText(), gmPixels);
}

void TBarcodeSymbol::DrawBarcode(TCanvas& canvas)
{
    const std::string data = MakeData();
    CanvasStateGuard guard(canvas);
    DoLines(data, canvas);
    if (fShowText != bcoNone)
        DrawText(canvas);
}

void TBarcodeSymbol::DrawBarcode(TGmCanvas& canvas)
{
    const std::string data = MakeData();
    CanvasStateGuard guard(canvas);
    DoLines(data, canvas);
    if (fShowText != bcoNone)
        DrawText(canvas);
}

// The linear symbologies live in their own encoders; the component hands them its settings.
std::string TBarcodeSymbol::Code_2_5_interleaved() { return linear::code_2_5_interleaved(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_2_5_industrial() { return linear::code_2_5_industrial(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_2_5_matrix() { return linear::code_2_5_matrix(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_39() { return linear::code_39(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_39Extended() { return linear::code_39_extended(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_128() { return linear::code_128(fText, fTyp, fCheckSum, fCheckSumMethod); }
std::string TBarcodeSymbol::Code_93() { return linear::code_93(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_93Extended() { return linear::code_93_extended(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_MSI() { return linear::code_msi(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_PostNet() { return linear::code_postnet(fText, fCheckSum); }
std::string TBarcodeSymbol::Code_Codabar() { return linear::code_codabar(fText, fCheckSum); }
