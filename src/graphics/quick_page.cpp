#include "graphics/quick_page.h"

namespace bxr {

namespace {

constexpr Real kLeft = 10, kValue = 58, kRow = 4.5L;

void Title(Drawing& d, Real& y, const std::string& title) {
    d.Pen(4);
    d.TextSize(2.2L, 3.0L);
    d.Text(kLeft, y, title);
    d.Line(kLeft, y - 1, 150, y - 1);
    y -= 1.6L * kRow;
    d.TextSize(1.8L, 2.5L);
}

}  // namespace

void DrawQuickPage(Drawing& d, const QuickSummary& page) {
    d.Sheet(0, 0, 160, 120);
    d.Tables(2);
    d.PageBegin();
    Real y = 112;
    d.Pen(21);
    d.TextSize(2.4L, 3.2L);
    d.Text(kLeft, y, page.header);
    y -= 2.5L * kRow;

    Title(d, y, kExtremesTableTitle);
    for (const ExtremeRow& r : page.extremes) {
        d.Pen(3);
        d.Text(kLeft, y, r.title);
        d.Pen(5);
        d.Text(kValue, y, r.text);
        y -= kRow;
    }
    y -= 0.5L * kRow;
    Title(d, y, kSupportsTableTitle);
    for (const SupportRow& r : page.supports) {
        d.Pen(3);
        d.Text(kLeft, y, r.label);
        d.Pen(5);
        d.Text(kValue, y, r.text);
        y -= kRow;
    }
    if (!page.messages.empty()) {
        y -= 0.5L * kRow;
        Title(d, y, kMessagesTableTitle);
        d.Pen(1);
        for (const std::string& m : page.messages) {
            d.Text(kLeft, y, m);
            y -= kRow;
        }
    }
    d.PageEnd();
}

}  // namespace bxr
