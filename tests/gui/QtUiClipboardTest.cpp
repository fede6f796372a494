#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include "editor/clipboard/ClipboardFormat.h"
#include "gui/QtUi.h"

namespace qhe {
namespace {

using S = std::string;

QByteArray PrivateData() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime ? mime->data(QStringLiteral("application/x-qzbinary")) : QByteArray();
}

TEST(QtUiClipboard, PrivateFormatCarriesEveryByte) {
    QtUi ui;
    S all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_TRUE(ui.SetClipboardBytes(S("A\0B", 3)));
    EXPECT_EQ(PrivateData(), QByteArray("\x03\0\0\0A\0B", 7));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText()); // no text alongside
    EXPECT_EQ(ui.ClipboardBytes(), S("A\0B", 3));
    EXPECT_EQ(ui.ClipboardText(), std::nullopt);
    ASSERT_TRUE(ui.SetClipboardBytes(all));
    EXPECT_EQ(ui.ClipboardBytes(), all);
}

TEST(QtUiClipboard, BrokenPrivateBlockIsNotTaken) {
    QtUi ui;
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("application/x-qzbinary"), QByteArray("\x09\0\0\0AB", 6));
    QGuiApplication::clipboard()->setMimeData(mime);
    EXPECT_EQ(ui.ClipboardBytes(), std::nullopt);
}

TEST(QtUiClipboard, TextGoesThroughTheAnsiCodePage) {
    QtUi ui;
    ASSERT_TRUE(ui.SetClipboardText("\xE9 0A \x80"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("é 0A €"));
    EXPECT_EQ(ui.ClipboardText(), S("\xE9 0A \x80"));
    EXPECT_EQ(ui.ClipboardBytes(), std::nullopt);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("中A"));
    EXPECT_EQ(ui.ClipboardText(), S("?A")); // outside the code page
}

TEST(QtUiClipboard, ClearEmptiesIt) {
    QtUi ui;
    ui.SetClipboardText("41");
    ui.ClearClipboard();
    EXPECT_EQ(ui.ClipboardText(), std::nullopt);
    EXPECT_EQ(ui.ClipboardBytes(), std::nullopt);
}

TEST(QtUiClipboard, ChangesAreSignalled) {
    QtUi ui;
    int changes = 0;
    const auto connection =
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [&] { ++changes; });
    ui.SetClipboardBytes("x");
    ui.SetClipboardText("y");
    QObject::disconnect(connection);
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

// The size check at close weighs what this program put on the clipboard.
TEST(QtUiClipboard, OwnerTestFollowsWhatWasSet) {
    QtUi ui;
    ui.SetClipboardBytes(S(600, 'x'));
    EXPECT_TRUE(ui.OwnsClipboard());
    EXPECT_EQ(ClipboardBlockSize(std::string_view(*ui.ClipboardBytes()), std::nullopt), 604);
}

} // namespace
} // namespace qhe

namespace qhe {
namespace {

TEST(QtUiClipboard, AnotherProgramsDataIsNotOwned) {
    QtUi ui;
    ui.SetClipboardText("41");
    EXPECT_TRUE(ui.OwnsClipboard());
    auto* other = new QMimeData; // as if another program had put it there
    other->setText(QStringLiteral("x"));
    QGuiApplication::clipboard()->setMimeData(other);
    EXPECT_FALSE(ui.OwnsClipboard());
}

} // namespace
} // namespace qhe
