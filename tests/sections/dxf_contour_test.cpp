// Contours read from DXF drawings written by an independent writer (ezdxf, run by the test)
// have the section values of the same contour typed in.
#include "sections/dxf_contour.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>

#include "format/code_page.h"
#include "section_test_support.h"
#include "sections/compute_section.h"
#include "support/output_test_support.h"

namespace bxr::test {
namespace {

// Every drawing of the tests, written by ezdxf into one folder.
const char* const kWriter = R"(
import math, sys, ezdxf
out = sys.argv[1]
def new(version='R2010'):
    doc = ezdxf.new(version)
    return doc, doc.modelspace()

# A rectangle of four lines, in no order and both directions.
doc, msp = new()
for a, b in [((50, 5), (50, 65)), ((10, 5), (50, 5)), ((10, 65), (10, 5)), ((10, 65), (50, 65))]:
    msp.add_line(a, b)
doc.saveas(out + '/rectangle.dxf')
# The same with one line missing.
doc, msp = new()
for a, b in [((50, 5), (50, 65)), ((10, 5), (50, 5)), ((10, 65), (10, 5))]:
    msp.add_line(a, b)
doc.saveas(out + '/open.dxf')
# A round bar and a tube.
doc, msp = new()
msp.add_circle((0, 0), 15)
doc.saveas(out + '/round.dxf')
doc, msp = new()
msp.add_circle((0, 0), 20)
msp.add_circle((0, 0), 25)
doc.saveas(out + '/tube.dxf')
# An I-section 100 x 60, web 6, flanges 8, fillets r 6, on its own layer beside a dimension
# line on another.
doc, msp = new()
k = {'layer': 'KONTUR'}
for a, b in [((-30, -50), (30, -50)), ((30, -50), (30, -42)), ((30, -42), (9, -42)),
             ((3, -36), (3, 36)), ((9, 42), (30, 42)), ((30, 42), (30, 50)),
             ((30, 50), (-30, 50)), ((-30, 50), (-30, 42)), ((-30, 42), (-9, 42)),
             ((-3, 36), (-3, -36)), ((-9, -42), (-30, -42)), ((-30, -42), (-30, -50))]:
    msp.add_line(a, b, dxfattribs=k)
for c, a0, a1 in [((9, -36), 180, 270), ((9, 36), 90, 180), ((-9, 36), 0, 90),
                  ((-9, -36), 270, 360)]:
    msp.add_arc(c, 6, a0, a1, dxfattribs=k)
msp.add_line((-30, -60), (30, -60), dxfattribs={'layer': 'BEMASSUNG'})
doc.saveas(out + '/isection.dxf')
# A slot: a closed polyline of two straight edges and two half circles (bulge 1), once as
# LWPOLYLINE and once as the POLYLINE and VERTEX entities of R12.
slot = [(0, 0, 0), (40, 0, 1), (40, 20, 0), (0, 20, 1)]
doc, msp = new()
msp.add_lwpolyline(slot, format='xyb', close=True)
doc.saveas(out + '/slot.dxf')
doc, msp = new('R12')
msp.add_polyline2d(slot, format='xyb', close=True)
doc.saveas(out + '/slot12.dxf')
# More than 200 points, crossing loops, loops side by side, no outline, binary.
doc, msp = new()
msp.add_lwpolyline([(50 * math.cos(2 * math.pi * i / 250), 50 * math.sin(2 * math.pi * i / 250))
                    for i in range(250)], close=True)
doc.saveas(out + '/many.dxf')
# 198 corners and a bore: few enough edges, but the cut's points make 202.
doc, msp = new()
msp.add_lwpolyline([(50 * math.cos(2 * math.pi * i / 198), 50 * math.sin(2 * math.pi * i / 198))
                    for i in range(198)], close=True)
msp.add_circle((0, 0), 10)
doc.saveas(out + '/holed.dxf')
doc, msp = new()
msp.add_circle((0, 0), 20)
msp.add_circle((30, 0), 20)
doc.saveas(out + '/crossing.dxf')
doc, msp = new()
msp.add_circle((0, 0), 10)
msp.add_circle((50, 0), 10)
doc.saveas(out + '/apart.dxf')
doc, msp = new()
msp.add_text('Kontur')
doc.saveas(out + '/notext.dxf')
doc, msp = new()
msp.add_circle((0, 0), 15)
doc.saveas(out + '/binary.dxf', fmt='bin')
)";

struct Drawings {
    std::string folder;
    bool written = false;
    Drawings() {
        folder = MakeTempFolder();
        WriteFile(folder + "writer.py", kWriter);
        const std::string command =
            "/usr/bin/python3 '" + folder + "writer.py' '" + folder + "' 2>'" + folder + "err'";
        const int status = std::system(command.c_str());
        written = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::string Read(const std::string& name) const { return Slurp(folder + name); }
};

const Drawings& Written() {
    static const Drawings d;
    return d;
}

SectionProperties Section(const std::vector<ContourPoint>& contour, Real arcDivision = 5) {
    BeamModel m;
    m.arcDivision = arcDivision;
    for (std::size_t i = 0; i < contour.size(); ++i) m.contour[i + 1] = contour[i];
    m.contourCount = static_cast<std::uint16_t>(contour.size());
    SectionState s;
    CalcMessages messages;
    ComputeSectionProperties(m, OutputSettings{}, s, messages);
    EXPECT_TRUE(messages.empty());
    return s.props;
}

std::vector<ContourPoint> Typed(std::initializer_list<PointDeg> points) {
    std::vector<ContourPoint> c;
    for (const PointDeg& p : points) c.push_back({p.y, p.z, Radians(p.arcDeg)});
    return c;
}

void ExpectSameSection(const SectionProperties& a, const SectionProperties& b,
                       const std::string& what) {
    const Real scale = std::fabs(b.I1) + std::fabs(b.I2);
    EXPECT_NEAR(a.A, b.A, 1e-9L * std::fabs(b.A)) << what;
    EXPECT_NEAR(a.ys, b.ys, 1e-9L) << what;
    EXPECT_NEAR(a.zs, b.zs, 1e-9L) << what;
    EXPECT_NEAR(a.Ieta, b.Ieta, 1e-9L * scale) << what;
    EXPECT_NEAR(a.Izeta, b.Izeta, 1e-9L * scale) << what;
    EXPECT_NEAR(a.Iez, b.Iez, 1e-9L * scale) << what;
    EXPECT_NEAR(a.I1, b.I1, 1e-9L * scale) << what;
    EXPECT_NEAR(a.I2, b.I2, 1e-9L * scale) << what;
}

TEST(DxfContour, DrawingsReadAsTheContourTypedIn) {
    const Drawings& d = Written();
    if (!d.written) GTEST_SKIP() << "ezdxf is not installed: " << d.Read("err");
    struct Case {
        const char* file;
        const char* layer;
        std::vector<ContourPoint> typed;
        Real area;  // by hand, arcs as arcs
        Real chordTolerance;
    };
    const Real r6 = 36 - kPi * 9;  // the area a fillet of r 6 adds to its corner
    const std::vector<Case> cases = {
        {"rectangle.dxf", "", Typed({{10, 5}, {50, 5}, {50, 65}, {10, 65}}), 2400, 1e-12L},
        {"round.dxf", "", Typed({{15, 0, 180}, {-15, 0, 180}, {15, 0}}), kPi * 225, 3e-3L},
        {"tube.dxf", "",
         Typed({{25, 0, 180}, {-25, 0, 180}, {25, 0}, {20, 0, -180}, {-20, 0, -180}, {20, 0}}),
         kPi * (625 - 400), 3e-3L},
        {"isection.dxf", "KONTUR",
         Typed({{-30, -50},
                {30, -50},
                {30, -42},
                {9, -42, -90},
                {3, -36},
                {3, 36, -90},
                {9, 42},
                {30, 42},
                {30, 50},
                {-30, 50},
                {-30, 42},
                {-9, 42, -90},
                {-3, 36},
                {-3, -36, -90},
                {-9, -42},
                {-30, -42}}),
         2 * 60 * 8 + 6 * 84 + 4 * r6, 1e-3L},
        {"slot.dxf", "", Typed({{0, 0}, {40, 0, 180}, {40, 20}, {0, 20, 180}, {0, 0}}),
         800 + kPi * 100, 3e-3L},
        {"slot12.dxf", "", Typed({{0, 0}, {40, 0, 180}, {40, 20}, {0, 20, 180}, {0, 0}}),
         800 + kPi * 100, 3e-3L},
    };
    for (const Case& c : cases) {
        const DxfContourResult r = ReadDxfContour(d.Read(c.file), {c.layer, -1});
        ASSERT_TRUE(r.ok) << c.file << ": " << r.message;
        EXPECT_LE(r.contour.size(), c.typed.size() + 1) << c.file;
        const SectionProperties imported = Section(r.contour);
        ExpectSameSection(imported, Section(c.typed), c.file);
        // Within the chord error of the arcs.
        EXPECT_NEAR(imported.A / c.area, 1, c.chordTolerance) << c.file;
    }
    // The tube: the outline counter-clockwise, the bore clockwise, joined by a cut.
    const DxfContourResult tube = ReadDxfContour(d.Read("tube.dxf"));
    EXPECT_EQ(tube.loops, 2);
    EXPECT_EQ(DxfContourLayers(d.Read("isection.dxf")),
              (std::vector<std::string>{"KONTUR", "BEMASSUNG"}));
}

TEST(DxfContour, UnusableDrawingsSayWhy) {
    const Drawings& d = Written();
    if (!d.written) GTEST_SKIP() << "ezdxf is not installed: " << d.Read("err");
    struct Case {
        std::string bytes;
        const char* layer;
        const char* message;
    };
    const std::vector<Case> cases = {
        {d.Read("open.dxf"), "", "Kontur offen bei y = "},
        {d.Read("isection.dxf"), "", "Kontur offen bei y = "},  // the dimension line
        {d.Read("many.dxf"), "", "Die Kontur hat mehr als 200 Punkte (250 Kanten)"},
        {d.Read("holed.dxf"), "", "Die Kontur hat 202 Punkte, höchstens 200 sind möglich"},
        {d.Read("crossing.dxf"), "", "Konturen überschneiden sich"},
        {d.Read("apart.dxf"), "", "Mehrere getrennte Konturen"},
        {d.Read("notext.dxf"), "", "Keine geschlossene Kontur in der DXF-Datei"},
        {d.Read("isection.dxf"), "FEHLT",
         "Keine geschlossene Kontur in der DXF-Datei auf Layer FEHLT"},
        {d.Read("binary.dxf"), "", "Binäre DXF-Datei"},
        {"Das ist keine Zeichnung\n", "", "Keine DXF-Datei: Zeile 1"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n5\n21\n5\n"
         "0\nLINE\n10\n5\n20\n5\n11\n0\n21\n0\n0\nENDSEC\n0\nEOF\n",
         "", "Keine geschlossene Kontur in der DXF-Datei: die Fläche ist null"},
        {"  0\nEOF\n", "", "Keine DXF-Datei"},
    };
    for (const Case& c : cases) {
        const DxfContourResult r = ReadDxfContour(c.bytes, {c.layer, -1});
        EXPECT_FALSE(r.ok) << c.message;
        EXPECT_EQ(OemToDisplay({}, r.message).rfind(c.message, 0), 0u)
            << OemToDisplay({}, r.message);
        EXPECT_TRUE(r.contour.empty());
    }
    // Where the rectangle is open: at one of the two ends of the missing line.
    const std::string open = ReadDxfContour(d.Read("open.dxf")).message;
    EXPECT_TRUE(open == "Kontur offen bei y = 10, z = 65" ||
                open == "Kontur offen bei y = 50, z = 65")
        << open;
}

}  // namespace
}  // namespace bxr::test
