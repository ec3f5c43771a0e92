#include "model/documentation.h"

#include <gtest/gtest.h>

namespace bxr {
namespace {

TEST(documentation_test, initialise_sets_links_counts_and_three_dates) {
    ProjectDocumentation doc;
    doc.changeCount = 7;
    doc.drawing.freeTextCount = 3;
    doc.links[2].file = "old.txt";
    doc.drawing.release.date = "01.01.2000";
    InitialiseDocumentation(doc, "08.12.2026");
    EXPECT_EQ(doc.changeCount, 0);
    EXPECT_EQ(doc.drawing.freeTextCount, 0);
    for (int i = 1; i <= kDocumentLinks; ++i) {
        EXPECT_EQ(doc.links[i].program, "NOTEPAD.EXE");
        EXPECT_EQ(doc.links[i].file, "");
    }
    EXPECT_EQ(doc.drawing.drawn.date, "08.12.2026");
    EXPECT_EQ(doc.drawing.checked.date, "08.12.2026");
    EXPECT_EQ(doc.drawing.standardsCheck.date, "08.12.2026");
    EXPECT_EQ(doc.drawing.release.date, "");
    EXPECT_EQ(doc.drawing.drawn.name, "");
}

TEST(documentation_test, reset_for_new_keeps_free_texts_and_links) {
    ProjectDocumentation doc;
    InitialiseDocumentation(doc, "01.02.2026");
    doc.changeCount = 4;
    doc.drawing.replacementFor = "Z-100";
    doc.drawing.replacedBy = "Z-102";
    doc.drawing.checked = {"02.02.2026", "Miller"};
    doc.drawing.release = {"03.02.2026", "Chef"};
    doc.drawing.drawn.name = "Ho";
    doc.drawing.freeTextCount = 2;
    doc.drawing.freeTexts[2].text = "Schnitt A-A";
    doc.links[3] = {"gimp", "shaft.png"};

    ResetDocumentationForNew(doc, "08.12.2026");
    EXPECT_EQ(doc.changeCount, 0);
    EXPECT_EQ(doc.drawing.replacementFor, "");
    EXPECT_EQ(doc.drawing.replacedBy, "");
    EXPECT_EQ(doc.drawing.drawn.date, "08.12.2026");
    EXPECT_EQ(doc.drawing.drawn.name, "");
    EXPECT_EQ(doc.drawing.checked.date, "");
    EXPECT_EQ(doc.drawing.checked.name, "");
    EXPECT_EQ(doc.drawing.release.name, "");
    EXPECT_EQ(doc.drawing.freeTextCount, 2);
    EXPECT_EQ(doc.drawing.freeTexts[2].text, "Schnitt A-A");
    EXPECT_EQ(doc.links[3].program, "gimp");
    EXPECT_EQ(doc.links[3].file, "shaft.png");
}

}  // namespace
}  // namespace bxr
