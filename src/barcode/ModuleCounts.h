#pragma once
// Code 128 and Code 93 keep their tables as module counts ('1'..'4', bar first, bars and
// spaces alternating). A whole assembled symbol is turned into the pattern language in one go.
#include <string>

namespace linear {

// Odd positions become bars of that many modules ('1'..'4' -> '5'..'8'), even positions
// spaces ('1'..'4' -> '0'..'3'). Converts in place.
void moduleCountsToPattern(std::string& counts);

} // namespace linear
