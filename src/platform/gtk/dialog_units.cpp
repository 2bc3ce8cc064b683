#include "platform/gtk/dialog_units.h"

#include <cstdint>

int AverageCharWidth(int widthOfTheAlphabet) { return (widthOfTheAlphabet / 26 + 1) / 2; }

int MulDiv(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;  // as Windows answers
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        divisor = -divisor;
        product = -product;
    }
    // Round half away from zero.
    const std::int64_t half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}

DialogRect DialogUnitsToPixels(const DialogRect& units, DialogBaseUnits base) {
    return {MulDiv(units.x, base.x, 4), MulDiv(units.y, base.y, 8), MulDiv(units.width, base.x, 4),
            MulDiv(units.height, base.y, 8)};
}
