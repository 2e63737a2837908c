// The retail symbologies: EAN-8, EAN-13, UPC-A, UPC-E and the two- and five-digit add-ons.
// Every bar is drawn at full height (guards are not lengthened) and there is no quiet zone.
#include <array>

#include "barcode/Barcode.h"
#include "barcode/Bcchksum.h"

namespace {

// The published digit widths (left-hand odd parity: space, bar, space, bar modules).
constexpr const char* digitWidths[10] = {"3211", "2221", "2122", "1411", "1132",
                                         "1231", "1114", "1312", "1213", "3112"};

using DigitPattern = std::array<char, 4>;

struct DigitSets {
    DigitPattern A[10]; // left-hand odd parity, begins with a space
    DigitPattern B[10]; // left-hand even parity: set C read backwards
    DigitPattern C[10]; // right-hand, begins with a bar
};

constexpr char space(char modules) { return static_cast<char>('0' + (modules - '1')); }
constexpr char bar(char modules) { return static_cast<char>('5' + (modules - '1')); }

constexpr DigitSets makeDigitSets()
{
    DigitSets sets{};
    for (int d = 0; d < 10; ++d) {
        const char* w = digitWidths[d];
        for (int i = 0; i < 4; ++i) {
            sets.A[d][i] = (i % 2 == 0) ? space(w[i]) : bar(w[i]);
            sets.C[d][i] = (i % 2 == 0) ? bar(w[i]) : space(w[i]);
        }
        for (int i = 0; i < 4; ++i)
            sets.B[d][i] = sets.C[d][3 - i];
    }
    return sets;
}

constexpr DigitSets digitSets = makeDigitSets();
static_assert(digitSets.A[0][0] == '2' && digitSets.A[0][1] == '6' && digitSets.A[0][3] == '5');
static_assert(digitSets.B[9][0] == '1' && digitSets.C[0][0] == '7');

// EAN-13 left-half parities selected by the first digit.
constexpr const char* ean13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                         "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E number system 0 parities by check digit ('E' even, 'o' odd); the five-digit
// add-on uses the same rows without their first letter.
constexpr const char* upcEParity[10] = {"EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo",
                                        "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE"};
constexpr const char* supp2Parity[4] = {"oo", "oE", "Eo", "EE"};

constexpr const char* normalGuard = "505";
constexpr const char* centreGuard = "05050";
constexpr const char* upcEEndGuard = "050505";
constexpr const char* addOnStart = "506";
constexpr const char* addOnSeparator = "05";

int digitAt(const std::string& s, std::size_t i)
{
    const char c = s[i];
    if (c < '0' || c > '9')
        throw EBarcodeError("Barcode must be numeric");
    return c - '0';
}

void append(std::string& out, const DigitPattern& p)
{
    out.append(p.data(), p.size());
}

// Guard, left half, centre guard, right half (set C), guard. The left half runs from
// leftBegin to split in set A, or in set A/B as leftParity says letter by letter.
std::string eanHalves(const std::string& value, std::size_t leftBegin, std::size_t split,
                      const char* leftParity = nullptr)
{
    std::string out;
    out.reserve(3 + 4 * (value.size() - leftBegin) + 5 + 3);
    out += normalGuard;
    for (std::size_t i = leftBegin; i < split; ++i) {
        const int d = digitAt(value, i);
        const bool even = leftParity && leftParity[i - leftBegin] == 'B';
        append(out, even ? digitSets.B[d] : digitSets.A[d]);
    }
    out += centreGuard;
    for (std::size_t i = split; i < value.size(); ++i)
        append(out, digitSets.C[digitAt(value, i)]);
    out += normalGuard;
    return out;
}

// UPC-E digits d1..d6 of a number system, expanded to the equivalent 11-digit UPC-A value.
std::string upcEToUpcA(char numberSystem, const std::string& e)
{
    std::string a(1, numberSystem);
    switch (e[5]) {
    case '0': case '1': case '2':
        a += e.substr(0, 2) + e[5] + "0000" + e.substr(2, 3);
        break;
    case '3':
        a += e.substr(0, 3) + "00000" + e.substr(3, 2);
        break;
    case '4':
        a += e.substr(0, 4) + "00000" + e[4];
        break;
    default:
        a += e.substr(0, 5) + "0000" + e[5];
        break;
    }
    return a;
}

} // namespace

std::string TBarcodeSymbol::Code_EAN8()
{
    std::string value;
    if (fCheckSum) {
        value = SetLen(7);
        if (value.size() > 7)
            value.erase(0, value.size() - 7);
        value = DoCheckSumming(value);
    } else {
        value = SetLen(8);
    }
    if (value.size() != 8)
        throw EBarcodeAssertion("Invalid Text len (EAN8)");

    return eanHalves(value, 0, 4);
}

std::string TBarcodeSymbol::Code_EAN13()
{
    const std::string value = fCheckSum ? DoCheckSumming(SetLen(12)) : SetLen(13);
    if (value.size() != 13)
        throw EBarcodeAssertion("Invalid Text len (EAN13)");

    // The first digit is not drawn: it selects the left half's parities.
    return eanHalves(value, 1, 7, ean13Parity[digitAt(value, 0)]);
}

std::string TBarcodeSymbol::Code_UPC_A()
{
    fText = SetLen(12);
    if (fCheckSum) {
        // The twelfth digit is replaced by the computed one. A method that computes no
        // digit leaves the value whole instead of dropping its last digit.
        std::string completed = DoCheckSumming(fText.substr(0, 11));
        if (completed.size() == 12)
            fText = std::move(completed);
    }
    return eanHalves(fText, 0, 6);
}

std::string TBarcodeSymbol::Code_UPC_E0() { return Code_UPC_E(false); }
std::string TBarcodeSymbol::Code_UPC_E1() { return Code_UPC_E(true); }

std::string TBarcodeSymbol::Code_UPC_E(bool numberSystem1)
{
    fText = SetLen(7);
    const std::string digits = fText.substr(0, 6);
    for (std::size_t i = 0; i < digits.size(); ++i)
        digitAt(digits, i);
    // Scanners expect the check digit of the equivalent UPC-A number, whatever the method.
    const std::string upcA = upcEToUpcA(numberSystem1 ? '1' : '0', digits);
    const char check = CheckSumModulo10(upcA).back();
    if (fCheckSum)
        fText = digits + check;

    const char* parity = upcEParity[check - '0'];
    std::string out;
    out.reserve(3 + 24 + 6);
    out += normalGuard;
    for (std::size_t i = 0; i < 6; ++i) {
        const int d = digits[i] - '0';
        const bool even = (parity[i] == 'E') != numberSystem1;
        append(out, even ? digitSets.B[d] : digitSets.A[d]);
    }
    out += upcEEndGuard;
    return out;
}

std::string TBarcodeSymbol::Code_Supp5()
{
    fText = SetLen(5);
    int d[5];
    for (std::size_t i = 0; i < 5; ++i)
        d[i] = digitAt(fText, i);
    const int check = (3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10;
    if (fCheckSum)
        fText = fText.substr(0, 5) + static_cast<char>('0' + check);

    const char* parity = upcEParity[check] + 1;
    std::string out;
    out.reserve(3 + 5 * 4 + 4 * 2);
    out += addOnStart;
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            out += addOnSeparator;
        append(out, parity[i] == 'E' ? digitSets.B[d[i]] : digitSets.A[d[i]]);
    }
    return out;
}

std::string TBarcodeSymbol::Code_Supp2()
{
    fText = SetLen(2);
    const int d0 = digitAt(fText, 0);
    const int d1 = digitAt(fText, 1);
    // The parities encode the drawn value modulo 4; further characters are not drawn and
    // must not change them.
    const char* parity = supp2Parity[(d0 * 10 + d1) % 4];
    if (fCheckSum) {
        // Weights of the five-digit add-on from the right; computed from the drawn digits
        // only, so a repeated encoding leaves the completed text as it is.
        const int check = (9 * d0 + 3 * d1) % 10;
        fText = fText.substr(0, 2) + static_cast<char>('0' + check);
    }

    std::string out;
    out.reserve(3 + 4 + 2 + 4);
    out += addOnStart;
    append(out, parity[0] == 'E' ? digitSets.B[d0] : digitSets.A[d0]);
    out += addOnSeparator;
    append(out, parity[1] == 'E' ? digitSets.B[d1] : digitSets.A[d1]);
    return out;
}
