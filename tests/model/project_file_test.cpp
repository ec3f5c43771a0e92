#include "model/project_file.h"

#include <gtest/gtest.h>

#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "format/code_page.h"
#include "format/text_lines.h"
#include "support/golden.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    LineReader in(text);
    while (auto l = in.Next()) out.push_back(*l);
    return out;
}

// Index of the first line equal to `what` at or after `from`; -1 when missing.
int Find(const std::vector<std::string>& lines, const std::string& what, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == what) return i;
    return -1;
}

OutputSettings Neutral() {
    return OutputSettings{};
}

OutputSettings CommaFive() {
    OutputSettings s;
    s.decimalSeparator = 2;
    s.decimalPlaces = 5;
    return s;
}

TEST(project_file_test, write_real_integers_below_one_without_decimals_else_seven) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(WriteReal(s, 1200), "1200.0000000");
    EXPECT_EQ(WriteReal(s, 0), "0");
    EXPECT_EQ(WriteReal(s, -5), "-5");
    EXPECT_EQ(WriteReal(s, -1200), "-1200");
    EXPECT_EQ(WriteReal(s, 0.001), "0.0010000");
    EXPECT_EQ(WriteReal(s, 0.5), "0.5000000");
    EXPECT_EQ(WriteReal(s, -2.5), "-2.5000000");
    EXPECT_EQ(WriteReal(s, 1), "1.0000000");     // 1 is not below 1
    EXPECT_EQ(WriteReal(s, 5e-11), "0");         // an integer within 1e-10
    EXPECT_EQ(WriteReal(s, 3e-9), "0.0000000");  // not that close: zero with 7 decimals
    EXPECT_EQ(WriteReal(s, -4.00000000005), "-4");
    EXPECT_EQ(WriteReal(s, 7.00000000001), "7.0000000");
}

TEST(project_file_test, write_real_follows_comma_and_decimal_places_settings) {
    OutputSettings comma;
    comma.decimalSeparator = 2;
    EXPECT_EQ(WriteReal(comma, 0.5), "0,5000000");
    EXPECT_EQ(WriteReal(comma, -5), "-5");
    OutputSettings five;
    five.decimalPlaces = 5;
    EXPECT_EQ(WriteReal(five, 1200), "1200.000000000");
    EXPECT_EQ(WriteReal(five, -5), "-5.00");
    OutputSettings one;
    one.decimalPlaces = 1;
    EXPECT_EQ(WriteReal(one, 0.5), "0.50000");
}

TEST(project_file_test, contour_values_have_three_decimals) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(WriteContourReal(s, 12.5), "12.500");
    EXPECT_EQ(WriteContourReal(s, std::numbers::pi_v<Real> / 2), "1.571");
    EXPECT_EQ(WriteContourReal(s, -999), "-999.000");
    EXPECT_EQ(WriteContourReal(CommaFive(), 12.5), "12,50000");
}

TEST(project_file_test, empty_model_writes_each_caption_with_count_zero) {
    BeamModel m;
    m.contourCount = 0;
    ResetLoads(m);
    m.notchZoneCount = 0;
    ProjectDocumentation d;
    const std::string text = ProjectFileText(m, d, Neutral());
    // Every line ends with CR LF and nothing follows the last one.
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    const auto lines = Lines(text);
    EXPECT_EQ(lines[0], std::string(65, '-'));
    EXPECT_EQ(lines[4], std::string(65, '-'));
    const int k = Find(lines, "Anz. Konturelemente");
    ASSERT_GT(k, 0);
    EXPECT_EQ(lines[k - 3], "----------------- ");
    EXPECT_EQ(lines[k - 2], "QUERSCHNITT");
    EXPECT_EQ(lines[k + 1], "0");
    EXPECT_EQ(lines[k + 2], std::string(22, '-'));
    EXPECT_EQ(lines[k + 3], "Länge"_oem);
    EXPECT_EQ(lines[k + 4], "1200.0000000");
    for (const char* caption : {"Fq", "q", "Mb", "Fx", "Kerbzonen"}) {
        const int c = Find(lines, caption, k);
        ASSERT_GT(c, 0) << caption;
        EXPECT_EQ(lines[c - 1], "--------") << caption;
        EXPECT_EQ(lines[c + 1], "0") << caption;
        EXPECT_EQ(lines[c + 2], "--------") << caption;
    }
    // Supports: type, six positions, arrangement, four bearing values.
    const int lag = Find(lines, "Lagerung");
    EXPECT_EQ(lines[lag + 2], "1");
    EXPECT_EQ(lines[lag + 3], "0");             // xA
    EXPECT_EQ(lines[lag + 4], "1060.0000000");  // xB
    EXPECT_EQ(lines[lag + 9], "1");             // X arrangement
    const int mat = Find(lines, "Material");
    EXPECT_EQ(lines[mat + 1], "---------");
    EXPECT_EQ(lines[mat + 2], "42CrMo4");
    EXPECT_EQ(lines[mat + 3], "210000.0000000");
    EXPECT_EQ(lines[mat + 7], "80000.0000000");  // g comes after the density
    EXPECT_EQ(lines[mat + 8], "0");
    // The documents block closes with five links of the default program.
    const int docs = Find(lines, "Dokumente");
    EXPECT_EQ(lines[docs + 1], "5");
    EXPECT_EQ(lines[docs + 3], "NOTEPAD.EXE");
    EXPECT_EQ(lines[docs + 4], "");
    EXPECT_EQ(lines[docs + 5], std::string(14, '-'));
    // drawingName2, materialSource and the four booleans end the file.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(docs + 3 + 15 + 6));
    EXPECT_EQ(lines[docs + 18], "");
    EXPECT_EQ(lines[docs + 19], "2");
    EXPECT_EQ(lines[docs + 20], "TRUE");
    EXPECT_EQ(lines[docs + 21], "FALSE");
    EXPECT_EQ(lines[docs + 22], "TRUE");
    EXPECT_EQ(lines[docs + 23], "TRUE");
}

TEST(project_file_test, twenty_point_forces_write_twenty_groups_of_five_lines) {
    BeamModel m;
    m.pointLoadCount = 20;
    for (int i = 1; i <= 20; ++i)
        m.pointLoads[i] = PointLoad{100.0L * i, 10, 45, "F " + std::to_string(i)};
    const auto lines = Lines(ProjectFileText(m, ProjectDocumentation{}, Neutral()));
    const int fq = Find(lines, "Fq");
    EXPECT_EQ(lines[fq + 1], "20");
    for (int i = 1; i <= 20; ++i) {
        const int g = fq + 2 + (i - 1) * 5;
        EXPECT_EQ(lines[g], "--------");
        EXPECT_EQ(lines[g + 1], std::to_string(100 * i) + ".0000000");
        EXPECT_EQ(lines[g + 2], "10.0000000");
        EXPECT_EQ(lines[g + 3], "45.0000000");
        EXPECT_EQ(lines[g + 4], "F " + std::to_string(i));
    }
    EXPECT_EQ(lines[fq + 102], "--------");
    EXPECT_EQ(lines[fq + 103], "q");
}

TEST(project_file_test, change_description_on_three_lines_is_one_file_line_with_bars) {
    BeamModel m;
    ProjectDocumentation d;
    d.changeCount = 1;
    d.changes[1] = ChangeRecord{"Bohrung", "01.02.2026", "AB", "erste\r\nzweite\r\ndritte"};
    const std::string text = ProjectFileText(m, d, Neutral());
    EXPECT_NE(text.find("\r\nerste|\nzweite|\ndritte\r\n--------------\r\n"), std::string::npos);
    // The description is held unchanged in memory.
    EXPECT_EQ(d.changes[1].description, "erste\r\nzweite\r\ndritte");

    BeamModel m2;
    ProjectDocumentation d2;
    const ReadReport r = ReadProjectText(text, m2, d2);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(d2.changeCount, 1);
    EXPECT_EQ(d2.changes[1].description, "erste\r\nzweite\r\ndritte");
    EXPECT_EQ(d2.changes[1].editor, "AB");
}

TEST(project_file_test, texts_are_cut_to_their_field_lengths_and_cannot_break_lines) {
    BeamModel m;
    m.pointLoadCount = 1;
    m.pointLoads[1].label = "Zwölf Zeichen";  // UTF-8 here, the bytes are what counts
    m.drawingName = std::string(30, 'N');
    m.drawingNumber =
        "A\rB\x1a"
        "C";
    const auto lines = Lines(ProjectFileText(m, ProjectDocumentation{}, Neutral()));
    const int fq = Find(lines, "Fq");
    EXPECT_EQ(lines[fq + 6], std::string("Zwölf Zeichen").substr(0, 10));
    EXPECT_NE(Find(lines, std::string(25, 'N')), -1);
    EXPECT_NE(Find(lines, "A B C"), -1);
}

TEST(project_file_test, sign_off_line_and_free_text_lines_have_bar_fields) {
    BeamModel m;
    ProjectDocumentation d;
    d.drawing.checked = {"02.01.2026", "Ott"};
    d.drawing.standardsCheck = {"", "Norm"};
    d.drawing.release = {"04.01.2026", "Chef"};
    d.drawing.freeTextCount = 2;
    d.drawing.freeTexts[1] = FreeText{12.5, 200, 3.5, 0, "Gewicht 12 kg"};
    d.drawing.freeTexts[2] = FreeText{0, 0, 0, 90, "A|B"};
    d.drawing.drawn = {"01.01.2026", "Kunz"};
    d.drawing.replacementFor = "Z-1";
    const auto lines = Lines(ProjectFileText(m, d, Neutral()));
    const int c = Find(lines, "ÄNDERUNGEN"_oem);
    EXPECT_EQ(lines[c + 1], "0");
    EXPECT_EQ(lines[c + 2], std::string(20, '-'));
    EXPECT_EQ(lines[c + 3], "02.01.2026|Ott||Norm|04.01.2026|Chef|2||");
    EXPECT_EQ(lines[c + 4], "01.01.2026");
    EXPECT_EQ(lines[c + 5], "Z-1");
    EXPECT_EQ(lines[c + 6], "");
    EXPECT_EQ(lines[c + 7], "Kunz");
    EXPECT_EQ(lines[c + 8], "12.5|200|3.5|0|Gewicht 12 kg||");
    EXPECT_EQ(lines[c + 9], "0|0|0|90|A|B||");
    EXPECT_EQ(lines[c + 10], "Dokumente");

    BeamModel m2;
    ProjectDocumentation d2;
    ASSERT_TRUE(ReadProjectText(ProjectFileText(m, d, Neutral()), m2, d2).Ok());
    EXPECT_EQ(d2.drawing.freeTextCount, 2);
    EXPECT_EQ(d2.drawing.freeTexts[2].text, "A|B");
    EXPECT_EQ(d2.drawing.freeTexts[2].phi, 90);
    EXPECT_EQ(d2.drawing.freeTexts[1].x, 12.5L);
    EXPECT_EQ(d2.drawing.standardsCheck.date, "");
    EXPECT_EQ(d2.drawing.standardsCheck.name, "Norm");
    EXPECT_EQ(d2.drawing.release.name, "Chef");
}

TEST(project_file_test, full_project_matches_golden_files_and_reads_back_to_same_bytes) {
    const test::SampleProject p = test::FullProject();
    struct Case {
        const char* golden;
        OutputSettings s;
    };
    for (const Case& c : {Case{"model/golden/full_point.bxr", Neutral()},
                          Case{"model/golden/full_comma.bxr", CommaFive()}}) {
        const std::string text = ProjectFileText(p.model, p.doc, c.s);
        EXPECT_EQ(test::CompareWithGolden(c.golden, text), "");
        BeamModel m;
        ProjectDocumentation d;
        const ReadReport r = ReadProjectText(test::ReadTestFile(c.golden), m, d);
        EXPECT_TRUE(r.Ok()) << c.golden;
        EXPECT_EQ(ProjectFileText(m, d, c.s), test::ReadTestFile(c.golden)) << c.golden;
    }
}

TEST(project_file_test, reading_restores_the_values_that_were_written) {
    const test::SampleProject p = test::FullProject();
    BeamModel m;
    ProjectDocumentation d;
    m.auxLoadsAppended = true;
    ASSERT_TRUE(ReadProjectText(ProjectFileText(p.model, p.doc, Neutral()), m, d).Ok());
    EXPECT_FALSE(m.auxLoadsAppended);
    EXPECT_EQ(m.material.code, "");
    EXPECT_EQ(m.material.name, "C45E Vergütungsstahl nach EN 10083-2"_oem);
    EXPECT_EQ(m.material.g, 79300);
    EXPECT_EQ(m.material.density, 7.85L);
    EXPECT_EQ(m.material.tableRecord, 17);
    EXPECT_EQ(m.length, 2345.678L);
    EXPECT_EQ(m.loadAngleOffset, -15);
    EXPECT_EQ(m.contourCount, 200);
    EXPECT_NEAR(m.contour[51].y, p.model.contour[51].y, 5e-4);
    EXPECT_EQ(m.contour[50].arcAngle, 1.571L);  // three decimals of pi/2
    EXPECT_EQ(m.pointLoadCount, 20);
    EXPECT_EQ(m.pointLoads[20].f, 13000);
    EXPECT_EQ(m.pointLoads[20].x, 2000.25L);
    EXPECT_EQ(m.pointLoads[20].label, "F 20");
    EXPECT_EQ(m.distributedLoadCount, 50);
    EXPECT_EQ(m.distributedLoads[50].x2, 2035);
    EXPECT_EQ(m.distributedLoads[50].label, "q-Last 50");
    EXPECT_EQ(m.momentLoads[20].mb, -500000);
    EXPECT_EQ(m.axialLoads[10].fx, -1250.5L);
    EXPECT_EQ(m.axialLoads[10].label, "Fax Längs"_oem);
    EXPECT_EQ(m.notchZones[20].betaK, 3);
    EXPECT_EQ(m.supportType, kFiveHinges);
    EXPECT_EQ(m.supportX[kSupportE], 2345.678L);
    EXPECT_EQ(m.bearingArrangement, 2);
    EXPECT_EQ(m.racewayDiameterB, 0.001L);
    EXPECT_EQ(m.iterationEps, 0.0005L);
    EXPECT_TRUE(m.selfWeightAsLoad);
    EXPECT_FALSE(m.bucklingOn);
    EXPECT_TRUE(m.dunkerleyOn);
    EXPECT_FALSE(m.hatching);
    EXPECT_EQ(m.segmentCount, 1500);
    EXPECT_EQ(m.profileRecord, 42);
    EXPECT_EQ(m.notchMode, 4);
    EXPECT_EQ(m.materialSource, 3);
    EXPECT_EQ(m.drawingName2, "Zwischenwelle mit Ritzel z=17");
    EXPECT_EQ(m.headerLines[2], p.model.headerLines[2].substr(0, 65));
    EXPECT_EQ(d.changeCount, 25);
    EXPECT_EQ(d.changes[25].text, "Änderung Nr. 25"_oem);
    EXPECT_EQ(d.drawing.freeTextCount, 8);
    EXPECT_EQ(d.drawing.freeTexts[8].y, 90.5L);
    EXPECT_EQ(d.drawing.replacementFor, "ZN-2025-0042");
    EXPECT_EQ(d.drawing.drawn.name, "H.Kunz");
    EXPECT_EQ(d.links[4].file, "/home/konstruktion/welle4.pdf");
    EXPECT_EQ(d.links[5].program, "");
}

TEST(project_file_test, reader_takes_commas_blanks_and_any_case_booleans_but_no_garbage) {
    const test::SampleProject p = test::GearShaft();
    auto lines = Lines(ProjectFileText(p.model, p.doc, Neutral()));
    const int fq = Find(lines, "Fq");
    lines[fq + 3] = "1,5";   // f of force 1
    lines[fq + 5] = " 30 ";  // angle with blanks
    const int docs = Find(lines, "Dokumente");
    lines[docs + 20] = "true";   // bucklingOn
    lines[docs + 21] = "fAlSe";  // dunkerleyOn
    auto join = [](const std::vector<std::string>& l) {
        std::string text;
        for (const auto& x : l) text += x + "\r\n";
        return text;
    };
    BeamModel m;
    ProjectDocumentation d;
    EXPECT_TRUE(ReadProjectText(join(lines), m, d).Ok());
    EXPECT_EQ(m.pointLoads[1].f, 1.5L);
    EXPECT_EQ(m.pointLoads[1].angle, 30);
    EXPECT_TRUE(m.bucklingOn);
    EXPECT_FALSE(m.dunkerleyOn);
    EXPECT_EQ(m.pointLoads[3].label, "F Riemen");

    // Garbage in a number or boolean field is a damaged line, not a 0 or a false.
    const int lag = Find(lines, "Lagerung");
    for (const auto& [at, text] :
         {std::pair{fq + 4, "12abc"}, std::pair{lag + 2, "zwei"}, std::pair{docs + 21, "yes"}}) {
        auto bad = lines;
        bad[at] = text;
        BeamModel mb;
        ProjectDocumentation db;
        const ReadReport r = ReadProjectText(join(bad), mb, db);
        EXPECT_TRUE(r.damaged) << text;
        EXPECT_EQ(r.line, at + 1) << text;
    }
}

TEST(project_file_test, ctrl_z_ends_the_file_and_a_lone_line_feed_stays_in_its_line) {
    const test::SampleProject p = test::CantileverBracket();
    const std::string text = ProjectFileText(p.model, p.doc, Neutral());
    BeamModel m;
    ProjectDocumentation d;
    EXPECT_TRUE(ReadProjectText(text + "\x1a" + "Fq\r\n99\r\n", m, d).Ok());
    EXPECT_EQ(ProjectFileText(m, d, Neutral()), text);

    LineReader in(std::string_view("a\nb\r\nc\r\rd"));
    EXPECT_EQ(in.Next(), "a\nb");
    EXPECT_EQ(in.Next(), "c");
    EXPECT_EQ(in.Next(), "");
    EXPECT_EQ(in.Next(), "d");
    EXPECT_EQ(in.Next(), std::nullopt);
}

// Counts beyond a list's capacity or below zero make the file damaged at the count line,
// and nothing of it is loaded.
TEST(project_file_test, counts_above_capacity_or_negative_are_damaged_and_load_nothing) {
    const test::SampleProject p = test::GearShaft();
    const auto original = Lines(ProjectFileText(p.model, p.doc, Neutral()));
    const int fq = Find(original, "Fq");
    const int mb = Find(original, "Mb");
    for (const auto& [at, count] : {std::pair{fq + 1, "21"}, std::pair{mb + 1, "-4"}}) {
        auto lines = original;
        lines[at] = count;
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        BeamModel m;
        m.pointLoads[1].label = "untouched";
        ProjectDocumentation d;
        const ReadReport r = ReadProjectText(text, m, d);
        EXPECT_TRUE(r.damaged) << count;
        EXPECT_EQ(r.line, at + 1) << count;
        EXPECT_EQ(m.pointLoads[1].label, "untouched");
        EXPECT_EQ(m.pointLoadCount, BeamModel{}.pointLoadCount);
    }
}

TEST(project_file_test, damaged_files_load_nothing_and_name_their_line) {
    const test::SampleProject p = test::FullProject();
    const std::string text = ProjectFileText(p.model, p.doc, Neutral());
    const int total = static_cast<int>(Lines(text).size());

    // Ends early: nothing is loaded and the first missing line is named.
    const std::size_t cut = text.find("Lagerung");
    BeamModel m;
    ProjectDocumentation d;
    ReadReport r = ReadProjectText(text.substr(0, cut), m, d);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.line, static_cast<int>(Lines(text.substr(0, cut)).size()) + 1);
    EXPECT_EQ(m.length, BeamModel{}.length);

    // Every prefix, cut anywhere: refused, however much of it could be read.
    for (std::size_t n = 0; n + 2 < text.size(); n += 97) {
        BeamModel mm;
        ProjectDocumentation dd;
        r = ReadProjectText(std::string_view(text).substr(0, n), mm, dd);
        EXPECT_FALSE(r.Ok()) << n;
        EXPECT_GE(r.line, 1);
        EXPECT_LE(r.line, total + 1);
    }

    // Empty; line feeds alone (read as line ends); a huge count; binary bytes.
    r = ReadProjectText("", m, d);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.line, 1);
    std::string lfOnly = text;
    std::erase(lfOnly, '\r');
    BeamModel ml;
    ProjectDocumentation dl;
    r = ReadProjectText(lfOnly, ml, dl);
    // The change description with its line breaks no longer stands on one line.
    EXPECT_TRUE(r.damaged);
    EXPECT_EQ(ml.length, BeamModel{}.length);

    auto lines = Lines(text);
    const int count = Find(lines, "Anz. Konturelemente") + 1;
    lines[count] = "2147483647";
    std::string huge;
    for (const auto& l : lines) huge += l + "\r\n";
    BeamModel mh;
    r = ReadProjectText(huge, mh, d);
    EXPECT_TRUE(r.damaged);
    EXPECT_EQ(r.line, count + 1);
    EXPECT_EQ(mh.contourCount, BeamModel{}.contourCount);

    std::mt19937 rng(4711);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(5000, '\0');
        for (auto& b : bytes) b = static_cast<char>(rng() % 256);
        BeamModel mb;
        ProjectDocumentation db;
        r = ReadProjectText(bytes, mb, db);
        EXPECT_FALSE(r.Ok());
        EXPECT_LE(mb.contourCount, kMaxContourPoints);
        EXPECT_LE(db.changeCount, kMaxChanges);
        EXPECT_LE(db.drawing.freeTextCount, kMaxFreeTexts);
    }
}

TEST(project_file_test, korm_files_get_the_same_checks) {
    const test::SampleProject p = test::GearShaft();
    SectionState section;
    section.density = 7.85L;
    const auto lines = Lines(KormFileText(p.model, p.doc, section, Neutral()));
    for (int at : {4, Find(lines, "1. KONTUR") + 1, Find(lines, "Anz. Konturelemente") + 1,
                   Find(lines, "1. Punkt") + 1}) {
        auto damaged = lines;
        damaged[at] += "x";
        std::string text;
        for (const auto& l : damaged) text += l + "\r\n";
        BeamModel m;
        ProjectDocumentation d;
        SectionState s;
        const ReadReport r = ReadKormText(text, m, d, s);
        EXPECT_TRUE(r.damaged) << at;
        EXPECT_EQ(r.line, at + 1);
        EXPECT_EQ(m.contourCount, BeamModel{}.contourCount);
        EXPECT_EQ(s.density, SectionState{}.density);
    }
}

// What the writer puts on each kind of line is what the reader accepts there, in any letter
// case and with either decimal mark; anything else names its line.
TEST(project_file_test, each_line_kind_accepts_only_what_the_writer_puts_there) {
    const test::SampleProject p = test::GearShaft();
    const auto original = Lines(ProjectFileText(p.model, p.doc, Neutral()));
    const int length = Find(original, "Länge"_oem) + 1;
    const int type = Find(original, "Lagerung") + 2;
    const int rule = Find(original, "Lagerung") + 1;
    const int last = static_cast<int>(original.size()) - 1;
    struct Case {
        int at;
        std::string text;
        bool ok;
    };
    for (const Case& c : std::vector<Case>{{length, "400,0000000", true},
                                           {length, " 400.5 ", true},
                                           {length, "4e2", true},
                                           {length, "400.0000000O", false},
                                           {length, "", false},
                                           {length, "inf", false},
                                           {length, "1e39", false},
                                           {length, "0x190", false},
                                           {type, "2", true},
                                           {type, "2.0", false},
                                           {type, "70000", false},
                                           {rule, "-------- ", true},
                                           {rule, "-------", false},
                                           {rule, "Lagerung", false},
                                           {last, "true", true},
                                           {last, "T", false},
                                           {last, "1", false}}) {
        auto lines = original;
        lines[c.at] = c.text;
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        BeamModel m;
        ProjectDocumentation d;
        const ReadReport r = ReadProjectText(text, m, d);
        EXPECT_EQ(r.Ok(), c.ok) << c.at << " '" << c.text << "'";
        if (!c.ok) {
            EXPECT_EQ(r.line, c.at + 1) << c.text;
        }
    }
}

}  // namespace
}  // namespace bxr

namespace bxr {
namespace {

// The example projects in data/ are what the program writes for the sample models; reading
// each one and writing it again gives the same bytes.
TEST(project_file_test, example_projects_in_data_are_written_by_the_program) {
    struct Example {
        const char* file;
        test::SampleProject (*build)();
    };
    for (const Example& e : {Example{"getriebewelle.bxr", &test::GearShaft},
                             Example{"konsole.bxr", &test::CantileverBracket},
                             Example{"durchlauftraeger.bxr", &test::ContinuousBeam},
                             Example{"antriebswelle.bxr", &test::DriveShaftS355},
                             Example{"null.bxr", &test::NullTemplate}}) {
        const test::SampleProject p = e.build();
        const std::string text = ProjectFileText(p.model, p.doc, OutputSettings{});
        EXPECT_EQ(test::CompareWithGolden(std::string("../data/") + e.file, text), "") << e.file;
        BeamModel m;
        ProjectDocumentation d;
        EXPECT_TRUE(ReadProjectText(text, m, d).Ok()) << e.file;
        EXPECT_EQ(ProjectFileText(m, d, OutputSettings{}), text) << e.file;
    }
}

}  // namespace
}  // namespace bxr
