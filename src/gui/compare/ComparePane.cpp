#include "gui/compare/ComparePane.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "core/compare/DiffLines.h"
#include "editor/compare/CompareSession.h"

namespace qhe {
namespace {

// Shading: changed bytes, bytes only on this side, and the same in the current range.
const QColor kChanged(255, 214, 214), kOnlyHere(206, 240, 206);
const QColor kChangedCurrent(246, 150, 150), kOnlyHereCurrent(132, 214, 132);
// Rows standing next to other offsets than their own partners (before an insertion in resync mode).
const QColor kShifted(240, 160, 40);

} // namespace

ComparePane::ComparePane(int side, QWidget* parent) : QWidget(parent), side_(side) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    PrepareGlyphs();
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void ComparePane::PrepareGlyphs() {
    rawFont_ = QRawFont::fromFont(font());
    QString all(256, QLatin1Char(' '));
    for (int c = 32; c < 256; ++c)
        all[c] = QChar(c >= 127 && c < 160 ? '.' : c);
    QVector<quint32> indexes = rawFont_.glyphIndexesForString(all);
    for (int c = 0; c < 256 && c < indexes.size(); ++c)
        glyphs_[static_cast<size_t>(c)] = indexes[c];
}

void ComparePane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) PrepareGlyphs();
    QWidget::changeEvent(event);
}

int ComparePane::CharWidth() const {
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

int ComparePane::LineHeight() const {
    return fontMetrics().height();
}

int ComparePane::HexLeft() const {
    const int digits = session_ ? OffsetDigits(std::max(session_->Size(0), session_->Size(1))) : 8;
    return (digits + 2) * CharWidth();
}

int ComparePane::TextLeft() const {
    return HexLeft() + (3 * kBytesPerRow + 1) * CharWidth();
}

QSize ComparePane::sizeHint() const {
    return {TextLeft() + (kBytesPerRow + 1) * CharWidth(), 24 * LineHeight()};
}

int ComparePane::RowsVisible() const {
    return std::max(1, height() / LineHeight());
}

void ComparePane::ShowFrom(int64_t top, int64_t cursor, std::vector<bool> shifted) {
    top_ = top;
    cursor_ = cursor;
    shifted_ = std::move(shifted);
    update();
}

int64_t ComparePane::OffsetAt(QPoint point) const {
    const int row = point.y() / LineHeight();
    int column = -1;
    if (point.x() >= HexLeft() && point.x() < TextLeft() - CharWidth())
        column = (point.x() - HexLeft()) / (3 * CharWidth());
    else if (point.x() >= TextLeft())
        column = (point.x() - TextLeft()) / CharWidth();
    if (column < 0 || column >= kBytesPerRow) return -1;
    return top_ + int64_t{row} * kBytesPerRow + column;
}

void ComparePane::mousePressEvent(QMouseEvent* event) {
    const int64_t offset = OffsetAt(event->position().toPoint());
    if (session_ && offset >= 0 && offset < session_->Size(side_)) emit clicked(offset);
}

void ComparePane::paintEvent(QPaintEvent*) {
    if (!session_) return;
    QPainter painter(this);
    const int cw = CharWidth(), lh = LineHeight(), ascent = fontMetrics().ascent();
    const int digits = OffsetDigits(std::max(session_->Size(0), session_->Size(1)));
    const int64_t size = session_->Size(side_);
    const int64_t current = session_->Current();
    static const char kHex[] = "0123456789ABCDEF";
    const int rows = RowsVisible() + 1;
    QVector<quint32> addressGlyphs, byteGlyphs;
    QVector<QPointF> addressPlaces, bytePlaces;
    const auto put = [&](QVector<quint32>& glyphs, QVector<QPointF>& places, char c, int x, int y) {
        glyphs.push_back(glyphs_[static_cast<uint8_t>(c)]);
        places.push_back(QPointF(x, y));
    };
    for (int row = 0; row < rows; ++row) {
        const int64_t first = top_ + int64_t{row} * kBytesPerRow;
        if (first + kBytesPerRow <= 0 || first >= size) continue;
        const int y = row * lh, baseline = y + ascent;
        if (static_cast<size_t>(row) < shifted_.size() && shifted_[static_cast<size_t>(row)])
            painter.fillRect(digits * cw + cw / 2, y, cw, lh, kShifted);
        for (int i = 0, shift = 4 * (digits - 1); i < digits; ++i, shift -= 4)
            put(addressGlyphs, addressPlaces, kHex[(std::max<int64_t>(first, 0) >> shift) & 15], i * cw,
                baseline);
        for (int i = 0; i < kBytesPerRow; ++i) {
            const int64_t offset = first + i;
            if (offset < 0 || offset >= size) continue;
            const uint8_t byte = session_->Byte(side_, offset);
            const int hexX = HexLeft() + 3 * i * cw, textX = TextLeft() + i * cw;
            put(byteGlyphs, bytePlaces, kHex[byte >> 4], hexX, baseline);
            put(byteGlyphs, bytePlaces, kHex[byte & 15], hexX + cw, baseline);
            put(byteGlyphs, bytePlaces, byte >= 32 && byte < 127 ? static_cast<char>(byte) : '.', textX,
                baseline);
            const int64_t range = session_->RangeHolding(side_, offset);
            if (range >= 0) {
                const DiffRange& r = session_->Ranges()[static_cast<size_t>(range)];
                const bool onlyHere = KindOf(r) != DiffKind::Changed;
                const QColor color = range == current ? (onlyHere ? kOnlyHereCurrent : kChangedCurrent)
                                                      : (onlyHere ? kOnlyHere : kChanged);
                painter.fillRect(hexX, y, 3 * cw, lh, color);
                painter.fillRect(textX, y, cw, lh, color);
            }
            if (offset == cursor_) {
                painter.setPen(palette().color(QPalette::Highlight));
                painter.drawRect(hexX, y, 2 * cw, lh - 1);
                painter.drawRect(textX, y, cw - 1, lh - 1);
            }
        }
    }
    const auto draw = [&](const QVector<quint32>& glyphs, const QVector<QPointF>& places,
                          QPalette::ColorRole role) {
        QGlyphRun run;
        run.setRawFont(rawFont_);
        run.setGlyphIndexes(glyphs);
        run.setPositions(places);
        painter.setPen(palette().color(role));
        painter.drawGlyphRun(QPointF(0, 0), run);
    };
    draw(addressGlyphs, addressPlaces, QPalette::PlaceholderText);
    draw(byteGlyphs, bytePlaces, QPalette::Text);
}

} // namespace qhe
