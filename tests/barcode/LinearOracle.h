#pragma once
// Helpers for checking linear patterns against zint: a pattern becomes a row of modules
// ('1' bar, '0' space) with the element widths of a given ratio at Modul 1, and zint's
// --dump rows are read back into the same form.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace linear_oracle {

// w0..w3 at Modul 1: 1, round-half-even(ratio), w1 * 3 / 2, w1 * 2.
inline std::vector<int> elementWidths(double ratio)
{
    const int w1 = static_cast<int>(std::nearbyint(ratio));
    return {1, w1, w1 * 3 / 2, w1 * 2};
}

enum class Bars { All, TallOnly };

inline std::string modules(const std::string& pattern, double ratio, Bars which = Bars::All)
{
    const std::vector<int> w = elementWidths(ratio);
    std::string bits;
    for (char ch : pattern) {
        if (ch >= '0' && ch <= '3')
            bits.append(w[ch - '0'], '0');
        else if (ch >= '5' && ch <= '8')
            bits.append(w[ch - '5'], '1');
        else if (ch >= 'A' && ch <= 'D')
            bits.append(w[ch - 'A'], which == Bars::All ? '1' : '0');
        else
            ADD_FAILURE() << "not a pattern character: " << ch;
    }
    return bits;
}

// zint's dump pads the last hex digit and so cannot show trailing spaces; compare without them.
inline std::string withoutTrailingSpace(std::string bits)
{
    const auto last = bits.find_last_of('1');
    bits.erase(last == std::string::npos ? 0 : last + 1);
    return bits;
}

inline std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

// The module rows of zint's dump of one symbol, trailing spaces dropped.
inline std::vector<std::string> zintRows(const std::string& options, const std::string& data)
{
    const auto run = testsupport::runCommand("zint " + options + " --dump -d " + shellQuoted(data) +
                                             " 2>&1");
    std::vector<std::string> rows;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Warning", 0) == 0 || line.empty())
            continue; // e.g. POSTNET of a length other than 5, 9 or 11
        std::string bits;
        for (char ch : line) {
            if (ch == ' ')
                continue;
            const int nibble = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0'
                             : (ch >= 'A' && ch <= 'F')                     ? ch - 'A' + 10
                                                                            : -1;
            if (nibble < 0) {
                ADD_FAILURE() << "zint " << options << " '" << data << "': " << run.output;
                return {};
            }
            for (int bit = 3; bit >= 0; --bit)
                bits += ((nibble >> bit) & 1) ? '1' : '0';
        }
        rows.push_back(withoutTrailingSpace(bits));
    }
    return rows;
}

// The single row of a one-row symbol.
inline std::string zintModules(const std::string& options, const std::string& data)
{
    const auto rows = zintRows(options, data);
    EXPECT_EQ(rows.size(), 1u) << "zint " << options << " '" << data << "'";
    return rows.empty() ? std::string() : rows.front();
}

} // namespace linear_oracle

#define SKIP_WITHOUT_ZINT()                                        \
    do {                                                           \
        if (!testsupport::haveTool("zint"))                        \
            GTEST_SKIP() << "zint is not installed";               \
    } while (0)
