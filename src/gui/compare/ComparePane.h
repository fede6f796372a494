#pragma once
#include <QGlyphRun>
#include <QRawFont>
#include <QWidget>

#include <array>
#include <vector>

#include <cstdint>

namespace qhe {

class CompareSession;

// One side of a compare window: rows of address, hex bytes and characters from a top offset
// on (which may lie before the side's start or past its end: those cells stay empty). Bytes in
// a difference range are shaded (the current range darker); the cursor's byte is framed in
// both columns; rows out of step with the other side have a bar after their address.
class ComparePane : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kBytesPerRow = 16;

    ComparePane(int side, QWidget* parent);
    void SetSession(const CompareSession* session) { session_ = session; }
    // What to show: the first byte's offset, the cursor's, and per row whether it stands out
    // of step with the other side (marked after its address).
    void ShowFrom(int64_t top, int64_t cursor, std::vector<bool> shifted = {});
    const std::vector<bool>& ShiftedRows() const { return shifted_; }
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
    std::vector<bool> shifted_;
};

} // namespace qhe
