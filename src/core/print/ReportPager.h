#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/print/ReportText.h"

namespace qhe {

// One thing drawn on a page, in printer pixels from the printable area's top-left corner.
struct ReportItem {
    enum class Kind { Text, Rule };
    Kind kind = Kind::Text;
    int x = 0, y = 0;  // text: left end of its top line; rule: left end of the rule's centre
    int width = 0;     // rule: its length
    int thickness = 0; // rule: pen width
    bool bold = false; // text
    std::string text;
};

struct ReportPage {
    int number = 0;
    std::vector<ReportItem> items;
};

// The report's layout options (all on by default).
struct ReportLayout {
    bool borderTop = true, borderBottom = true;
    bool headerBold = true, tableHeaderLinesBold = true, footerBold = true;
    bool wordWrap = true;
};

// The page and what is printed on it, in printer pixels.
struct ReportSetup {
    int resolution = 300; // dots per inch, for the rule widths
    int printableWidth = 0, printableHeight = 0;
    int marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0; // from the printable area's edges
    int lineHeight = 0;
    std::string header = ">{Printed %DATE %TIME}";
    std::string footer = "<{Program %EXENAME %EXETIME}^{Page %PAGE}";
    std::vector<std::string> tableHeaderLines;
    ReportLayout layout;
    PlaceholderValues values; // page and line are kept by the pager
    int firstPage = 1;        // the number of the first page (a page laid out on its own)
};

// Lays text lines out on pages: header, footer and rules on each page, a new page when a line has no
// room, too-wide lines wrapped or cut. Finished pages go to the page sink one by one, so the caller
// decides how many it keeps.
class ReportPager {
  public:
    enum class BeginResult { Ok, NoWidth, NoHeight };

    ReportPager(ReportSetup setup, TextMeasure measure, std::function<void(ReportPage&&)> pageDone);

    // Called after each new page's head, before its table header lines (the dump prints its
    // column header line here).
    std::function<void(ReportPager&)> onAfterNewPage;

    // Starts the first page; fails when no width or no line of height is left inside the margins.
    BeginResult BeginDoc();
    // Prints a line: "$--" and "$==" draw a thin and a thick rule, a line with template marks is
    // printed in its parts, any other line left-aligned. Answers whether the line fitted.
    bool PrintLine(std::string_view text);
    // Prints text as it is, never read as a rule or a template (data such as a dump row).
    bool PrintPlainLine(std::string_view text);
    void NewPage();
    // Lines that fit on a new page after its head, and lines still free on this one.
    int LinesPerPage() const { return linesPerPage_; }
    int LinesLeft() const;
    bool HasRoom(int lines) const { return LinesLeft() >= lines; }
    // Hands the last page to the sink.
    void EndDoc();

    int PageNumber() const { return page_.number; }
    int LineNumber() const { return line_; }

    static const char* BeginErrorText(BeginResult result);

  private:
    int Width() const { return setup_.printableWidth - setup_.marginLeft - setup_.marginRight; }
    int Left() const { return setup_.marginLeft; }
    int BodyBottom() const;
    void StartPage();
    void FinishPage();
    void PutText(int y, std::string_view text, bool bold);
    void PutTemplate(int y, std::string_view text, bool bold);
    void PutRule(int y, int thickness);
    bool PlaceLine(std::string_view text, bool plain, bool bold);

    ReportSetup setup_;
    TextMeasure measure_;
    std::function<void(ReportPage&&)> pageDone_;
    ReportPage page_;
    bool pageOpen_ = false;
    bool inHead_ = false; // the page head is being printed: no further new page from there
    int y_ = 0;
    int line_ = 0;
    int linesPerPage_ = 0;
};

} // namespace qhe
