// The shaft-section block at the end of the project file: written only when there are
// sections, read with the same checks as the rest of the file.
#include <gtest/gtest.h>

#include <string>

#include "model/project_file.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

const char* const kTwoSections =
    "--------\r\nWellenabschnitte\r\n2\r\n"
    "--------\r\n0.0000000\r\n150.0000000\r\n40.0000000\r\n0.0000000\r\n"
    "--------\r\n150.0000000\r\n400.0000000\r\n30.0000000\r\n0.0000000\r\n";

test::SampleProject WithTwoSections() {
    test::SampleProject p = test::GearShaft();
    p.model.shaftSections[1] = ShaftSection{0, 150, 40, 0};
    p.model.shaftSections[2] = ShaftSection{150, 400, 30, 0};
    p.model.shaftSectionCount = 2;
    return p;
}

TEST(shaft_section_file, block_follows_the_last_line_only_when_sections_exist) {
    const test::SampleProject plain = test::GearShaft();
    const std::string before = ProjectFileText(plain.model, plain.doc, OutputSettings{});
    const test::SampleProject p = WithTwoSections();
    const std::string after = ProjectFileText(p.model, p.doc, OutputSettings{});
    EXPECT_EQ(after, before + kTwoSections);

    BeamModel m;
    ProjectDocumentation d;
    ASSERT_TRUE(ReadProjectText(after, m, d).Ok());
    ASSERT_EQ(m.shaftSectionCount, 2);
    EXPECT_EQ(m.shaftSections[2].x2, 400);
    EXPECT_EQ(m.shaftSections[1].D, 40);
    // The older file, read over a model that had sections, leaves none.
    ASSERT_TRUE(ReadProjectText(before + "\x1a", m, d).Ok());
    EXPECT_EQ(m.shaftSectionCount, 0);
}

TEST(shaft_section_file, damaged_or_short_blocks_load_nothing) {
    const test::SampleProject plain = test::GearShaft();
    const std::string head = ProjectFileText(plain.model, plain.doc, OutputSettings{});
    const int headLines = static_cast<int>(std::count(head.begin(), head.end(), '\n'));
    struct Case {
        std::string block;
        bool damaged;
        int line;  // counted from the first line of the block
    };
    const Case cases[] = {
        {"--------\r\nWellenabschnitte\r\n31\r\n", true, 3},                        // capacity
        {"--------\r\nWellenabschnitte\r\n1\r\n0\r\n", true, 4},                    // no rule
        {"--------\r\nWellenabschnitte\r\n1\r\n--------\r\n0\r\nzwei\r\n", true, 6},  // number
        {"--------\r\nWellenabschnitte\r\n2\r\n--------\r\n0\r\n1\r\n2\r\n0\r\n", false,
         9},  // the second entry is missing
        {"Wellenabschnitte\r\n", true, 1},
    };
    for (const Case& c : cases) {
        BeamModel m;
        m.length = 4711;
        ProjectDocumentation d;
        const ReadReport r = ReadProjectText(head + c.block, m, d);
        EXPECT_FALSE(r.Ok()) << c.block;
        EXPECT_EQ(r.damaged, c.damaged) << c.block;
        EXPECT_EQ(r.line, headLines + c.line) << c.block;
        EXPECT_EQ(m.length, 4711) << c.block;
    }
    // Any number the real lines may hold, commas too.
    BeamModel m;
    ProjectDocumentation d;
    ASSERT_TRUE(ReadProjectText(head + "--------\r\nX\r\n1\r\n--------\r\n0\r\n12,5\r\n30\r\n"
                                       "  2.25\r\n",
                                m, d)
                    .Ok());
    EXPECT_EQ(m.shaftSections[1].x2, 12.5L);
    EXPECT_EQ(m.shaftSections[1].d, 2.25L);
}

}  // namespace
}  // namespace bxr
