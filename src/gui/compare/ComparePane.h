#pragma once
#include <QGlyphRun>
#include <QRawFont>
#include <QWidget>

#include <array>

#include <cstdint>

namespace qhe {

class CompareSession;

// One side of a compare window: rows of address, hex bytes and characters from a top offset
// on (which may lie before the side's start or past its end: those cells stay empty). Bytes in
// a difference range are shaded (the current range darker); the cursor's byte is framed in
// both columns.
class ComparePane : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kBytesPerRow = 16;

    ComparePane(int side, QWidget* parent);
    void SetSession(const CompareSession* session) { session_ = session; }
    // What to show: the first byte's offset and the cursor's.
    void ShowFrom(int64_t top, int64_t cursor);
    int RowsVisible() const;
    // The offset under a point, or -1.
    int64_t OffsetAt(QPoint point) const;

  signals:
    void clicked(int64_t offset);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  public:
    QSize sizeHint() const override;

  private:
    int CharWidth() const;
    int LineHeight() const;
    int HexLeft() const;
    int TextLeft() const;

    // Glyphs of the font for Latin-1 codes, drawn as runs without text shaping (a repaint of
    // a whole pane then takes a fraction of a millisecond).
    void PrepareGlyphs();
    void changeEvent(QEvent* event) override;

    QRawFont rawFont_;
    std::array<quint32, 256> glyphs_{};
    const int side_;
    const CompareSession* session_ = nullptr;
    int64_t top_ = 0, cursor_ = -1;
};

} // namespace qhe
