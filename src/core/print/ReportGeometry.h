#pragma once

namespace qhe {

enum class MeasureUnit { Millimetre, Inch };
enum class LineSpacing { Half, Single, SingleAndHalf, Double };

// The line height for a spacing, from the height of "X" in the report font.
int LineHeightFor(LineSpacing spacing, int xHeight);

// A margin as the report keeps it: measured from the paper edge in the unit, and in printer pixels
// from the printable area's edge.
struct PixelMargin {
    int pixels = 0;
    double margin = 0; // read back in the unit, rounded to two decimals
};

// The margin in printer pixels at the resolution (dots per inch), less the unprintable offset. A
// margin inside the unprintable border becomes that border (0 pixels).
PixelMargin ApplyMargin(double margin, MeasureUnit unit, int resolution, int unprintableOffset);

// A margin field's value after a unit change (mm to inch divides by 25.4), rounded to two decimals.
double ConvertMargin(double value, MeasureUnit from, MeasureUnit to);

// The settings file keeps margins as the value times 100, rounded.
int MarginToSetting(double value);
double MarginFromSetting(int stored);

} // namespace qhe
