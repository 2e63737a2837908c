#include "platform/Canvas.h"

#include <cmath>

namespace {

// Multiplying through the same factors both ways keeps exact round trips for exact inputs
// (10 mm -> 1000 units -> 10 mm).
double toInches(double value, TGmMeasurement unit)
{
    switch (unit) {
    case gmUnits: return value / 100.0 / 25.4;
    case gmPixels: return value / 96.0;
    case gmMillimeters: return value / 25.4;
    case gmCentimeters: return value * 10.0 / 25.4;
    case gmInches: return value;
    case gmTwips: return value / 1440.0;
    }
    return value;
}

double fromInches(double inches, TGmMeasurement unit)
{
    switch (unit) {
    case gmUnits: return inches * 25.4 * 100.0;
    case gmPixels: return inches * 96.0;
    case gmMillimeters: return inches * 25.4;
    case gmCentimeters: return inches * 25.4 / 10.0;
    case gmInches: return inches;
    case gmTwips: return inches * 1440.0;
    }
    return inches;
}

} // namespace

double ConvertValue(double value, TGmMeasurement from, TGmMeasurement to)
{
    if (from == to)
        return value;
    return fromInches(toInches(value, from), to);
}

int TGmValue::GetAsGmUnits() const
{
    return static_cast<int>(std::lround(AsUnit(gmUnits)));
}
