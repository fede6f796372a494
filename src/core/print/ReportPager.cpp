#include "core/print/ReportPager.h"

#include <algorithm>
#include <utility>

namespace qhe {

ReportPager::ReportPager(ReportSetup setup, TextMeasure measure, std::function<void(ReportPage&&)> pageDone)
    : setup_(std::move(setup)), measure_(std::move(measure)), pageDone_(std::move(pageDone)) {
    setup_.lineHeight = std::max(1, setup_.lineHeight);
    page_.number = setup_.firstPage - 1;
}

const char* ReportPager::BeginErrorText(BeginResult result) {
    switch (result) {
    case BeginResult::NoWidth:
        return "Insufficient paper width.\r\nChange left/right margin";
    case BeginResult::NoHeight:
        return "Insufficient paper height\r\nChange top/bottom margin";
    case BeginResult::Ok:
        break;
    }
    return "";
}

int ReportPager::BodyBottom() const {
    const int h = setup_.lineHeight;
    const int bottom = setup_.printableHeight - setup_.marginBottom;
    // The footer stands on the last line; half a line of space (with the rule) separates it.
    return setup_.footer.empty() ? bottom : bottom - h - h / 2;
}

int ReportPager::LinesLeft() const {
    return std::max(0, (BodyBottom() - y_) / setup_.lineHeight);
}

ReportPager::BeginResult ReportPager::BeginDoc() {
    if (Width() <= 0) return BeginResult::NoWidth;
    if (setup_.printableHeight - setup_.marginTop - setup_.marginBottom <= 0) return BeginResult::NoHeight;
    StartPage();
    linesPerPage_ = LinesLeft();
    // The page head alone fills the page: no line could ever be printed.
    if (linesPerPage_ < 1) return BeginResult::NoHeight;
    return BeginResult::Ok;
}

void ReportPager::NewPage() {
    FinishPage();
    StartPage();
}

void ReportPager::EndDoc() {
    FinishPage();
}

void ReportPager::FinishPage() {
    if (!pageOpen_) return;
    pageOpen_ = false;
    if (pageDone_) pageDone_(std::move(page_));
    page_.items.clear();
}

void ReportPager::StartPage() {
    const int number = page_.number + 1;
    page_ = ReportPage{};
    page_.number = number;
    pageOpen_ = true;
    setup_.values.page = number;
    const int h = setup_.lineHeight;
    const int thin = std::max(1, 2 * (setup_.resolution / 300));
    const int bottom = setup_.printableHeight - setup_.marginBottom;
    if (setup_.layout.borderBottom) PutRule(BodyBottom(), thin);
    if (!setup_.footer.empty()) PutTemplate(bottom - h, setup_.footer, setup_.layout.footerBold);
    y_ = setup_.marginTop;
    if (!setup_.header.empty()) {
        PutTemplate(y_, setup_.header, setup_.layout.headerBold);
        y_ += h;
    }
    if (setup_.layout.borderTop) {
        if (!setup_.header.empty()) y_ += h / 2;
        PutRule(y_, thin);
        y_ += h;
    }
    line_ = 0;
    inHead_ = true;
    if (onAfterNewPage) onAfterNewPage(*this);
    for (const std::string& line : setup_.tableHeaderLines)
        PlaceLine(line, false, setup_.layout.tableHeaderLinesBold);
    inHead_ = false;
}

void ReportPager::PutText(int y, std::string_view text, bool bold) {
    page_.items.push_back({ReportItem::Kind::Text, Left(), y, 0, 0, bold, std::string(text)});
}

void ReportPager::PutRule(int y, int thickness) {
    page_.items.push_back({ReportItem::Kind::Rule, Left(), y, Width(), thickness, false, {}});
}

void ReportPager::PutTemplate(int y, std::string_view text, bool bold) {
    setup_.values.line = line_;
    const std::string filled = ReplacePlaceholders(text, setup_.values);
    if (!HasTemplateMarks(filled)) {
        PutText(y, filled, bold);
        return;
    }
    const TemplateParts parts = SplitTemplate(filled);
    if (!parts.left.empty()) PutText(y, parts.left, bold);
    if (!parts.centre.empty())
        page_.items.push_back({ReportItem::Kind::Text, Left() + (Width() - measure_(parts.centre)) / 2, y, 0,
                               0, bold, parts.centre});
    if (!parts.right.empty())
        page_.items.push_back(
            {ReportItem::Kind::Text, Left() + Width() - measure_(parts.right), y, 0, 0, bold, parts.right});
}

bool ReportPager::PlaceLine(std::string_view text, bool plain, bool bold) {
    const auto makeRoom = [this] {
        if (!HasRoom(1) && !inHead_) NewPage();
        return HasRoom(1);
    };
    const int unit = std::max(1, setup_.resolution / 300);
    if (!plain && (text == "$--" || text == "$==")) {
        if (!makeRoom()) return false;
        PutRule(y_ + setup_.lineHeight / 2, (text == "$--" ? 2 : 4) * unit);
        y_ += setup_.lineHeight;
        ++line_;
        return true;
    }
    if (!plain && HasTemplateMarks(text)) {
        if (!makeRoom()) return false;
        PutTemplate(y_, text, bold);
        y_ += setup_.lineHeight;
        ++line_;
        return true;
    }
    const FittedLine fitted = FitLine(text, Width(), measure_, setup_.layout.wordWrap);
    for (const std::string& piece : fitted.pieces) {
        if (!makeRoom()) return false;
        PutText(y_, piece, bold);
        y_ += setup_.lineHeight;
        ++line_;
    }
    return fitted.fitted;
}

bool ReportPager::PrintLine(std::string_view text) {
    return PlaceLine(text, false, false);
}

bool ReportPager::PrintPlainLine(std::string_view text) {
    return PlaceLine(text, true, false);
}

} // namespace qhe
