#include "labels/EanFit.h"

#include "barcode/Bcchksum.h"

namespace {
constexpr EanFitRule kEan13{12, "EAN13 條碼的首字串必須是數字."};
constexpr EanFitRule kEan8{7, "EAN8 條碼的首字串必須是數字."};
constexpr EanFitRule kUpcA{11, "UPC_A 條碼的首字串必須是數字."};
} // namespace

const EanFitRule* eanFitRule(TBarcodeType type)
{
    switch (type) {
    case bcCodeEAN13: return &kEan13;
    case bcCodeEAN8: return &kEan8;
    case bcCodeUPC_A: return &kUpcA;
    default: return nullptr;
    }
}

std::optional<std::string> fitEanText(TBarcodeType type, const std::string& text, TCheckSumMethod method)
{
    const EanFitRule* rule = eanFitRule(type);
    if (!rule)
        return text;
    for (unsigned char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    const auto n = static_cast<std::size_t>(rule->dataDigits);
    std::string digits = text.size() > n ? text.substr(0, n) : std::string(n - text.size(), '0') + text;
    return DoCheckSumming(digits, method);
}
