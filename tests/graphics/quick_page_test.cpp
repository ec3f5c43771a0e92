#include "graphics/quick_page.h"

#include <gtest/gtest.h>

#include "graphics_test_support.h"

namespace bxr::test {
namespace {
using namespace gfx;

TEST(QuickPage, TablesAreWrittenRowByRowAndMessagesOnlyWhenThereAreSome) {
    QuickSummary page;
    page.header = "W-1  Welle";
    ExtremeRow mb;
    mb.title = "Max. Biegemoment";
    mb.text = "250 Nm  (x= 500 mm, phi= 90 \xF8)";
    page.extremes = {mb, mb};
    SupportRow fa;
    fa.label = "FA (x=0)";
    fa.text = "500 N";
    page.supports = {fa};
    DrawingHarness h(CadOutput::ElementText);
    h.cad.dxfDecimals = 2;
    DrawQuickPage(*h.drawing, page);
    auto lines = Lines(h.Finish());
    EXPECT_EQ(lines[0], "MINMAX\t0.00\t0.00\t160.00\t120.00");
    // Header at 112, the title 2.5 rows (of 4.5) lower, the first row 1.6 rows below it.
    EXPECT_EQ(lines[2], "TEXT\t10.00\t112.00\tW-1  Welle");
    EXPECT_EQ(lines[3], "TEXT\t10.00\t100.75\tEXTREMWERTE");
    EXPECT_EQ(lines[5], "TEXT\t10.00\t93.55\tMax. Biegemoment");
    EXPECT_EQ(lines[6], "TEXT\t58.00\t93.55\t" + mb.text);
    EXPECT_EQ(lines[8], "TEXT\t58.00\t89.05\t" + mb.text);
    bool messagesTitle = false;
    for (const auto& l : lines) messagesTitle |= l.find("Fehlermeldungen:") != std::string::npos;
    EXPECT_FALSE(messagesTitle);

    page.messages = {"Warnung: Knicklast"};
    DrawingHarness h2(CadOutput::Dxf);
    DrawQuickPage(*h2.drawing, page);
    const auto texts = DxfEntities(h2.Finish(), "TEXT");
    EXPECT_EQ(Group(texts.back(), 1), "Warnung: Knicklast");
    EXPECT_EQ(Group(texts[texts.size() - 2], 1), "Fehlermeldungen:");
}

}  // namespace
}  // namespace bxr::test
