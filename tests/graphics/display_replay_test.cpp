#include "graphics/display_replay.h"

#include <gtest/gtest.h>

#include <vector>

namespace bxr {
namespace {

struct Recorder : ReplayPainter {
    std::vector<std::string> calls;
    std::vector<int> maxWidths;
    void Line(const ReplayPen& p, int x1, int y1, int x2, int y2) override {
        calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                        std::to_string(x2) + "," + std::to_string(y2) + " rgb " +
                        std::to_string(p.rgb) + " w " + std::to_string(p.width));
    }
    void Ellipse(const ReplayPen&, int l, int t, int r, int b) override {
        calls.push_back("ellipse " + std::to_string(l) + "," + std::to_string(t) + " " +
                        std::to_string(r) + "," + std::to_string(b));
    }
    void Arc(const ReplayPen&, int, int, int, int, int, int, int, int) override {
        calls.push_back("arc");
    }
    void Polygon(unsigned, const int (&)[4], const int (&)[4]) override { calls.push_back("poly"); }
    void Text(const ReplayFont& f, int x, int y, const std::string& t) override {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " h " +
                        std::to_string(f.heightPx) + " rgb " + std::to_string(f.rgb) + " " + t);
        maxWidths.push_back(f.maxWidthPx);
    }
};

TEST(DisplayReplay, RecordsBecomePixelGeometryWithTheirColours) {
    DisplayList list;
    list.SetClientSize(800, 600);
    list.Header(0, 0, 160, 120);  // 5 pixels per mm
    list.SetColor(12);            // red
    list.SetLineWidth(2);
    list.Line(0, 0, 160, 120);
    list.Circle(80, 60, 10);
    list.SetTextStyle(4, 2.8L, 0, 0);
    list.OutTextXY(10, 20, "A");  // top left at y + 0.75 * 4 = 23 mm
    Recorder rec;
    ReplayOptions o;
    ReplayDisplayList(list, rec, o);
    ASSERT_EQ(rec.calls.size(), 3u);
    EXPECT_EQ(rec.calls[0], "line 0,600 800,0 rgb 16711680 w 2");
    EXPECT_EQ(rec.calls[1], "ellipse 350,250 450,350");
    EXPECT_EQ(rec.calls[2], "text 50,485 h 20 rgb 16711680 A");
    o.colourDisplay = false;  // texts black
    o.printing = true;        // widths four times
    o.pageWidth = 1600;
    o.pageHeight = 1200;
    Recorder printed;
    ReplayDisplayList(list, printed, o);
    EXPECT_EQ(printed.calls[0], "line 0,1200 1600,0 rgb 16711680 w 8");
    EXPECT_EQ(printed.calls[2].substr(printed.calls[2].find("rgb")), "rgb 0 A");
}

// The painter may narrow a text to the width its style allows, never beyond: five
// characters 2.8 mm wide at 5 pixels per mm, less a gap of 5 %, take at most 66.5 pixels.
TEST(DisplayReplay, TextsCarryTheWidthTheirStyleAllows) {
    DisplayList list;
    list.SetClientSize(800, 600);
    list.Header(0, 0, 160, 120);
    list.SetTextStyle(4, 2.8L, 0, 0);
    list.OutTextXY(10, 20, "Izeta");
    list.OutTextXY(10, 30, "A");
    Recorder rec;
    ReplayDisplayList(list, rec, ReplayOptions{});
    ASSERT_EQ(rec.maxWidths.size(), 2u);
    EXPECT_NEAR(rec.maxWidths[0], 66.5, 0.5);
    EXPECT_EQ(rec.maxWidths[1], 13);  // 2.8 * 0.95 * 5 = 13.3
}

}  // namespace
}  // namespace bxr
