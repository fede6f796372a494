#pragma once
#include <QFont>
#include <QRect>

namespace qhe {

// Converts dialog units into pixels for one font: a horizontal unit is a quarter of the
// font's average character width (the 52 letters A-Z and a-z divided by 52), a vertical unit
// an eighth of its height. Dialogs built from these look alike at any font size.
class DialogUnits {
  public:
    // scaleNum/scaleDen multiply every result (the progress box scales by dpi / 96).
    explicit DialogUnits(const QFont& font, int scaleNum = 1, int scaleDen = 1);

    int X(int units) const;
    int Y(int units) const;
    // A rectangle given in dialog units.
    QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }
    int AverageCharWidth() const { return averageWidth_; }
    int CharHeight() const { return height_; }

    // a * b / c rounded to nearest (halves away from zero), as dialog unit arithmetic rounds.
    static int MulDiv(int a, int b, int c);

  private:
    int averageWidth_;
    int height_;
    int scaleNum_;
    int scaleDen_;
};

} // namespace qhe
