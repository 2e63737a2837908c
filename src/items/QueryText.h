#pragma once
// The query text of the item list, built from the seven filter boxes and the sort choice.
#include <array>
#include <string>

// Filter texts in the order barcode, string1 ... string6; empty ones are left out.
// The barcode matches as a prefix, the strings as substrings, all joined with "and";
// sortIndex 0 adds no ordering, 1 orders by barcode, 2..7 by string1..string6.
// Texts go in exactly as typed ('%' and '_' stay wildcards); the engine binds the
// literals as parameters, so a typed quote can at most make the text not compile.
std::string buildQueryText(const std::array<std::string, 7>& filters, int sortIndex);
