#include "items/QueryText.h"

namespace {

const char* const fieldNames[7] = {"barcode", "string1", "string2", "string3",
                                   "string4", "string5", "string6"};

} // namespace

std::string buildQueryText(const std::array<std::string, 7>& filters, int sortIndex)
{
    std::string text;
    for (int i = 0; i < 7; ++i) {
        const std::string& typed = filters[static_cast<size_t>(i)];
        if (typed.empty())
            continue;
        if (!text.empty())
            text += " and ";
        text += fieldNames[i];
        text += i == 0 ? " like '" : " like '%";
        text += typed;
        text += "%'";
    }
    if (sortIndex >= 1 && sortIndex <= 7) {
        text += " order by ";
        text += fieldNames[sortIndex - 1];
    }
    return text;
}
