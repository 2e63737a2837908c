#include "barcode/ModuleCounts.h"

namespace linear {

void moduleCountsToPattern(std::string& counts)
{
    const std::size_t n = counts.size();
    for (std::size_t i = 0; i < n; ++i)
        counts[i] = static_cast<char>(counts[i] + ((i & 1) == 0 ? 4 : -1));
}

} // namespace linear
