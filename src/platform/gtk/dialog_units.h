#pragma once

// Dialog units to pixels, as Windows converts them: a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its character height.

#include "platform/dialog_template.h"

struct DialogBaseUnits {
    int x;  // the average character width, in pixels
    int y;  // the character height (ascent plus descent), in pixels
};

// The average character width as Windows derives it: the width of the 52 letters A-Z and a-z,
// divided by 26 and halved, rounding up.
int AverageCharWidth(int widthOfTheAlphabet);

// MulDiv: value * numerator / denominator, rounded to the nearest, halves away from zero.
int MulDiv(int value, int numerator, int denominator);

DialogRect DialogUnitsToPixels(const DialogRect& units, DialogBaseUnits base);
