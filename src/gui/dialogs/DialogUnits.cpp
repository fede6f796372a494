#include "gui/dialogs/DialogUnits.h"

#include <QFontMetrics>

#include <cstdint>
#include <cstdlib>

namespace qhe {

DialogUnits::DialogUnits(const QFont& font, int scaleNum, int scaleDen)
    : scaleNum_(scaleNum > 0 ? scaleNum : 1), scaleDen_(scaleDen > 0 ? scaleDen : 1) {
    const QFontMetrics metrics(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    averageWidth_ = (metrics.horizontalAdvance(letters) + 26) / 52;
    if (averageWidth_ < 1) averageWidth_ = 1;
    height_ = metrics.height();
}

int DialogUnits::MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int DialogUnits::X(int units) const {
    return MulDiv(MulDiv(units, averageWidth_, 4), scaleNum_, scaleDen_);
}

int DialogUnits::Y(int units) const {
    return MulDiv(MulDiv(units, height_, 8), scaleNum_, scaleDen_);
}

} // namespace qhe
