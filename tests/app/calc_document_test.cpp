// The calculation document's content: the required safety as typed, the verdict against
// it, and the report's blocks.
#include <gtest/gtest.h>

#include "app/calc_document.h"

namespace bxr {
namespace {

TEST(calc_document_test, required_safety_is_a_number_above_zero_up_to_a_hundred) {
    const struct {
        const char* typed;
        Real value;  // 0: refused
    } cases[] = {{"1.5", 1.5}, {"1,5", 1.5}, {" 2 ", 2}, {".8", 0.8}, {"100", 100},
                 {"0", 0},     {"-1", 0},    {"abc", 0}, {"1.5.1", 0}, {"", 0},
                 {"100.01", 0}, {".", 0},    {"1e3", 0}};
    for (const auto& c : cases) {
        auto v = ParseRequiredSafety(c.typed);
        if (c.value == 0) {
            EXPECT_FALSE(v) << c.typed;
        } else {
            ASSERT_TRUE(v) << c.typed;
            EXPECT_NEAR(static_cast<double>(*v), static_cast<double>(c.value), 1e-12) << c.typed;
        }
    }
}

// The report shows factors to two decimals: a factor that prints as the required value
// reaches it, one that prints below does not.
TEST(calc_document_test, safety_verdict_follows_the_printed_two_decimals) {
    const struct {
        Real factor, required;
        bool reached;
    } cases[] = {{1.5, 1.5, true},   {1.4951, 1.5, true}, {1.4949, 1.5, false},
                 {2.0, 1.5, true},   {0.3, 1.5, false},  {1.2, 1.25, false},
                 {1.25, 1.25, true}};
    for (const auto& c : cases)
        EXPECT_EQ(ReachesRequiredSafety(c.factor, c.required), c.reached)
            << static_cast<double>(c.factor) << " vs " << static_cast<double>(c.required);
}

TEST(calc_document_test, report_blocks_start_at_capitals_after_an_empty_line) {
    const std::vector<std::string> lines = {
        "BXR  -  Trägerberechnung", "09.12.2026\t15:18", "p.txt", "WELLE", "", "", " ",
        "",
        "ERGEBNISSE KÖRPER",
        "Masse\tm\tkg\t4,957",
        "NICHT NACH EINER LEERZEILE",
        "",
        "Werkstoff: 42CrMo4",
        "",
        "LAGERUNG:  Fest-/Los-Lagerung",
        "A. Festes Gelenklager bei xA = 40",
        "",
        "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN",
        "",
        "Warnung\tUrsache\tAbhilfe"};
    const auto blocks = SplitReportBlocks(lines);
    ASSERT_EQ(blocks.size(), 4u);
    // The head keeps its title line "WELLE" although it stands in capitals.
    EXPECT_EQ(blocks[0].heading, "");
    EXPECT_EQ(blocks[0].rows[1], (std::vector<std::string>{"09.12.2026", "15:18"}));
    EXPECT_EQ(blocks[1].heading, "ERGEBNISSE KÖRPER");
    ASSERT_EQ(blocks[1].rows.size(), 4u);
    EXPECT_EQ(blocks[1].rows[0], (std::vector<std::string>{"Masse", "m", "kg", "4,957"}));
    EXPECT_EQ(blocks[1].rows[1][0], "NICHT NACH EINER LEERZEILE");
    EXPECT_EQ(blocks[1].rows[3][0], "Werkstoff: 42CrMo4");
    EXPECT_EQ(blocks[2].heading, "LAGERUNG:  Fest-/Los-Lagerung");
    EXPECT_EQ(blocks[3].heading, "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    EXPECT_EQ(blocks[3].rows.back().size(), 3u);
}

}  // namespace
}  // namespace bxr
