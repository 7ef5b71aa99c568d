// Rounding as the calculator has always done it: to the nearest whole number, a half to the
// even neighbour (2.5 gives 2, 3.5 gives 4), whatever the floating-point rounding mode is.
#pragma once

#include <cmath>

namespace glimmbar {

inline double roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) {
        return lower;
    }
    if (fraction > 0.5) {
        return lower + 1;
    }
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

} // namespace glimmbar
