#include "core/print/ReportGeometry.h"

#include <cmath>

namespace qhe {
namespace {

constexpr double kMmPerInch = 25.4;

double Round2(double value) {
    return std::round(value * 100) / 100;
}

} // namespace

int LineHeightFor(LineSpacing spacing, int xHeight) {
    switch (spacing) {
    case LineSpacing::Half:
        return xHeight / 2;
    case LineSpacing::Single:
        return xHeight;
    case LineSpacing::SingleAndHalf:
        return xHeight + xHeight / 2;
    case LineSpacing::Double:
        return 2 * xHeight;
    }
    return xHeight;
}

PixelMargin ApplyMargin(double margin, MeasureUnit unit, int resolution, int unprintableOffset) {
    const double inches = unit == MeasureUnit::Inch ? margin : margin / kMmPerInch;
    PixelMargin result;
    result.pixels = static_cast<int>(std::lround(inches * resolution)) - unprintableOffset;
    result.margin = Round2(margin);
    if (result.pixels < 0 && resolution > 0) {
        result.pixels = 0;
        const double offsetInches = static_cast<double>(unprintableOffset) / resolution;
        result.margin = Round2(unit == MeasureUnit::Inch ? offsetInches : offsetInches * kMmPerInch);
    }
    return result;
}

double ConvertMargin(double value, MeasureUnit from, MeasureUnit to) {
    if (from == to) return value;
    return Round2(to == MeasureUnit::Inch ? value / kMmPerInch : value * kMmPerInch);
}

int MarginToSetting(double value) {
    return static_cast<int>(std::lround(value * 100));
}

double MarginFromSetting(int stored) {
    return stored / 100.0;
}

} // namespace qhe
