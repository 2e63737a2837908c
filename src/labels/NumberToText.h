#pragma once
// Fixed-decimal text of a length for the layout fields ("14.82", "47.50").
#include <string>

// Rounds half up on the first dropped decimal, after a 0.0001 nudge that absorbs the
// binary representation error (2.999 -> "3.00", 0.005 -> "0.01"). Values closer to zero
// than 0.000001 give "0", a NaN gives "Nan", infinities "Inf" / "-Inf".
// The wizard always asks for 2 decimals; other counts pad or cut the same way.
std::string numberToText(double value, int decimals);
