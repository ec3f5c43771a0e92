// What the drawings of the example projects show: nothing outside the sheet, stress labels
// clear of each other and of the outline, SVG texts clear of each other.
#include "graphics/tools/example_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "format/code_page.h"
#include "graphics/svg_sink.h"
#include "graphics/text_box.h"
#include "graphics/tools/recording_sink.h"
#include "support/memory_file_system.h"

namespace bxr::test {
namespace {

struct Examples {
    std::vector<std::unique_ptr<Workspace>> workspaces;
    std::vector<samples::NamedDrawing> drawings;
    Examples() {
        for (const char* name : samples::kExampleNames) {
            std::string error;
            auto ws = samples::LoadExample(name, error);
            EXPECT_TRUE(ws) << error;
            if (!ws) continue;
            samples::AddExampleDrawings(name, ws.get(), true, drawings);
            workspaces.push_back(std::move(ws));
        }
    }
};

const Examples& AllExamples() {
    static const Examples examples;
    return examples;
}

samples::RecordingSink Record(const std::function<void(Drawing&)>& draw) {
    OutputSettings out;
    CadSettings cad;
    bool abortFlag = false;
    auto owned = std::make_unique<samples::RecordingSink>();
    samples::RecordingSink* sink = owned.get();
    Drawing d(std::move(owned), CadOutput::Svg, out, cad, abortFlag);
    draw(d);
    samples::RecordingSink copy = *sink;
    d.Close();
    return copy;
}

TEST(ExampleDrawings, EveryPrimitiveLiesOnItsSheet) {
    const Examples& e = AllExamples();
    ASSERT_GT(e.drawings.size(), 40u);
    for (const auto& [name, draw] : e.drawings) {
        const samples::RecordingSink r = Record(draw);
        const samples::Box& s = r.sheet;
        const Real tolerance = 1e-6L * std::max(s.x1 - s.x0, s.y1 - s.y0);
        int outside = 0;
        for (const auto& p : r.primitives) {
            const bool in = p.box.x0 >= s.x0 - tolerance && p.box.x1 <= s.x1 + tolerance &&
                            p.box.y0 >= s.y0 - tolerance && p.box.y1 <= s.y1 + tolerance;
            if (!in && ++outside <= 3)
                ADD_FAILURE() << name << ": " << OemToDisplay({}, p.what) << " ["
                              << double(p.box.x0) << ", " << double(p.box.y0) << " .. "
                              << double(p.box.x1) << ", " << double(p.box.y1)
                              << "] beyond the sheet [" << double(s.x0) << ", " << double(s.y0)
                              << " .. " << double(s.x1) << ", " << double(s.y1) << "]";
        }
        EXPECT_EQ(outside, 0) << name;
    }
}

TextQuad QuadOf(const samples::RecordedText& t) {
    return TextQuadAt(t.x, t.y, NominalTextWidth(t.oem, t.style), t.style.height, t.style.rotation);
}

// The stress labels (pen 4) of every example's section stress view, and of a round bar
// whose arcs are cut into 1-degree chords so that 360 points share the ring.
TEST(SectionStressView, LabelsStandOutsideTheOutlineAndClearOfEachOther) {
    const Examples& e = AllExamples();
    std::vector<std::pair<std::string, const Workspace*>> views;
    for (const auto& ws : e.workspaces) views.push_back({ws->model.drawingName, ws.get()});
    std::string error;
    auto fine = samples::LoadExample("getriebewelle", error);
    ASSERT_TRUE(fine) << error;
    fine->model.arcDivision = 1;
    RunAnalysis(*fine);
    ASSERT_FALSE(fine->messages.fatal);
    ASSERT_GT(fine->section.polygon.count, 300);
    views.push_back({"1-degree chords", fine.get()});
    for (const auto& [name, ws] : views) {
        const Station& st = ws->results.stations[ws->results.extremes.pointMb];
        const samples::RecordingSink r =
            Record([&](Drawing& d) { DrawSectionStressView(d, ws->section, st); });
        std::vector<samples::RecordedText> labels;
        for (const auto& t : r.texts)
            if (t.pen == 4) labels.push_back(t);
        const int points = ws->section.polygon.count - 1;
        // The shaft examples are round: every label stays outside the circle.
        const SectionExtents& ex = ws->section.extents;
        const bool round = ws->model.contour[1].arcAngle != 0;  // the shafts
        const Real radius = ex.width / 2;
        EXPECT_GE(static_cast<int>(labels.size()), std::min(points, 24)) << name;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const TextQuad a = QuadOf(labels[i]);
            EXPECT_GT(labels[i].style.height, 0.3L * std::min(ex.width, ex.height) / 45) << name;
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(QuadsOverlap(a, QuadOf(labels[j])))
                    << name << ": " << labels[i].oem << " and " << labels[j].oem;
            if (round) {
                for (int k = 0; k < 4; ++k) {
                    EXPECT_GT(
                        std::hypot(a.x[k] - ws->section.props.zs, a.y[k] - ws->section.props.ys),
                        radius)
                        << name << ": " << labels[i].oem;
                }
            }
        }
    }
}

// The boxes of the texts as the SVG file gives them: the advance of the font, or the
// textLength that narrows it, from the cap height above the base line to the descenders.
struct SvgTextBox {
    std::string text;
    TextQuad quad;
    Real height = 0;  // the text height of the style
    Real x = 0, y = 0, rotation = 0;  // the start of the base line and its direction
};

// Texts on one line: the same direction, and the one's base line through the other's start.
bool OnOneLine(const SvgTextBox& a, const SvgTextBox& b) {
    if (std::fabs(a.rotation - b.rotation) > 0.01L) return false;
    const Real t = a.rotation * 3.14159265358979323846L / 180;
    const Real across = -(b.x - a.x) * std::sin(t) + (b.y - a.y) * std::cos(t);
    return std::fabs(across) < 0.5L * std::min(a.height, b.height);
}

std::vector<SvgTextBox> SvgTextBoxes(const std::string& svg) {
    static const std::regex element(
        "<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"([0-9.]+)\"( "
        "textLength=\"([0-9.]+)\")?"
        "[^>]*?( transform=\"rotate\\(([-0-9.]+) [^\"]*\")?>([^<]*)</text>");
    std::vector<SvgTextBox> boxes;
    for (std::sregex_iterator it(svg.begin(), svg.end(), element), end; it != end; ++it) {
        const std::smatch& m = *it;
        const Real x = std::stold(m[1]), y = -std::stold(m[2]), size = std::stold(m[3]);
        const std::string oem = DisplayToOem(m[8]);
        const Real width = m[5].matched ? std::stold(m[5]) : NaturalTextAdvance(oem, size);
        const Real rotation = m[7].matched ? -std::stold(m[7]) : 0;
        const Real t = rotation * 3.14159265358979323846L / 180;
        const Real descent = 0.2L * size, ascent = 0.73L * size;
        boxes.push_back({m[8],
                         TextQuadAt(x + std::sin(t) * descent, y - std::cos(t) * descent, width,
                                    descent + ascent, rotation),
                         size / kFontSizePerTextHeight, x, y, rotation});
    }
    return boxes;
}

// Clear means no overlap, and between texts on one line a visible gap: a fifth of the smaller
// text height at least.
TEST(SvgSink, TextsOfTheSectionDrawingsAndQuickPagesStayClearOfEachOther) {
    const Examples& e = AllExamples();
    int checked = 0;
    for (const auto& [name, draw] : e.drawings) {
        if (name.find("_section") == std::string::npos && name.find("_quick") == std::string::npos)
            continue;
        MemoryFileSystem fs;
        OutputSettings out;
        CadSettings cad;
        bool abortFlag = false;
        Drawing d(std::make_unique<SvgSink>(fs, "d.svg", out, cad), CadOutput::Svg, out, cad,
                  abortFlag);
        draw(d);
        ASSERT_TRUE(d.Close());
        const auto svg = fs.Read("d.svg", 1 << 24);
        ASSERT_TRUE(svg);
        const std::vector<SvgTextBox> boxes = SvgTextBoxes(*svg);
        if (boxes.empty()) continue;  // the bare contour
        ++checked;
        int overlaps = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                if (QuadsOverlap(boxes[i].quad, boxes[j].quad,
                                 OnOneLine(boxes[i], boxes[j])
                                     ? kMinTextGapShare * std::min(boxes[i].height, boxes[j].height)
                                     : 0) &&
                    ++overlaps <= 5)
                    ADD_FAILURE() << name << ": \"" << boxes[i].text << "\" comes too close to \""
                                  << boxes[j].text << "\"";
        EXPECT_EQ(overlaps, 0) << name;
    }
    EXPECT_EQ(checked, 30);
}

// The window narrows a text to kShownWidthShare of its nominal width whatever font is
// configured: at that widest, neighbouring texts on one line of the production drawing
// (the results table, the sign-off block) still keep the gap.
TEST(ProductionDrawing, NeighboursOnOneLineKeepAGapAtTheWidestAnyFontIsShown) {
    const Examples& e = AllExamples();
    int lines = 0;
    for (const auto& [name, draw] : e.drawings) {
        if (name.find("_section5") == std::string::npos) continue;
        const samples::RecordingSink r = Record(draw);
        std::vector<samples::RecordedText> texts;
        for (const auto& t : r.texts)
            if (t.style.rotation == 0 && !t.oem.empty()) texts.push_back(t);
        for (const auto& a : texts) {
            // The next text to the right on the same line, if any.
            const samples::RecordedText* next = nullptr;
            for (const auto& b : texts)
                if (std::fabs(a.y - b.y) <= 0.5L * a.style.height && b.x > a.x &&
                    (next == nullptr || b.x < next->x))
                    next = &b;
            if (next == nullptr) continue;
            ++lines;
            const Real widest = kShownWidthShare * NominalTextWidth(a.oem, a.style);
            EXPECT_GE(next->x - (a.x + widest),
                      kMinTextGapShare * std::min(a.style.height, next->style.height))
                << name << ": \"" << a.oem << "\" and \"" << next->oem << "\"";
        }
    }
    EXPECT_GT(lines, 50);
}

}  // namespace
}  // namespace bxr::test
