#include "support/sample_projects.h"

#include <cmath>
#include <numbers>
#include <string>

#include "format/code_page.h"

namespace bxr::test {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

void Base(SampleProject& p) {
    Initialise(p.model);
    InitialiseDocumentation(p.doc, "08.12.2026");
    p.model.headerLines = {"", "", "", ""};
}

// A rectangle b x h centred on the axes, counter-clockwise; the closing edge is implied.
void Rectangle(BeamModel& m, Real b, Real h) {
    ResetContour(m);
    const Real y[] = {-b / 2, b / 2, b / 2, -b / 2};
    const Real z[] = {-h / 2, -h / 2, h / 2, h / 2};
    m.contourCount = 4;
    for (int i = 1; i <= 4; ++i) m.contour[i] = ContourPoint{y[i - 1], z[i - 1], 0};
}

// A full circle of diameter d: two half arcs counter-clockwise, then back at the start
// (the closing edge is straight, here of length zero).
void Circle(BeamModel& m, Real d) {
    ResetContour(m);
    m.contourCount = 3;
    m.contour[1] = ContourPoint{d / 2, 0, kPi};
    m.contour[2] = ContourPoint{-d / 2, 0, kPi};
    m.contour[3] = ContourPoint{d / 2, 0, 0};
}

}  // namespace

SampleProject FullProject() {
    SampleProject p;
    Base(p);
    BeamModel& m = p.model;
    m.headerLines[1] = ComposeHeaderLine1("Welle Getriebe Stufe 2 xy"_oem, "ZN-2026-000123-ABC");
    m.headerLines[2] = "Prüfung aller Abschnitte der Projektdatei, Zeile 2 mit 65 Zeichen!"_oem;
    m.headerLines[3] = "";
    m.length = 2345.678;
    m.loadAngleOffset = -15;
    m.contourCount = kMaxContourPoints;
    for (int i = 1; i <= kMaxContourPoints; ++i) {
        const Real a = 2 * kPi * (i - 1) / (kMaxContourPoints - 1);
        m.contour[i] = ContourPoint{40 * std::cos(a), 40 * std::sin(a), i % 50 == 0 ? kPi / 2 : 0};
    }
    m.pointLoadCount = kMaxPointLoads;
    for (int i = 1; i <= kMaxPointLoads; ++i)
        m.pointLoads[i] =
            PointLoad{1000.0L * i - 7000, 100.0L * i + 0.25L, 15.0L * i, "F " + std::to_string(i)};
    m.distributedLoadCount = kMaxDistributedLoads;
    for (int i = 1; i <= kMaxDistributedLoads; ++i)
        m.distributedLoads[i] = DistributedLoad{0.5L * i, 40.0L * i, 40.0L * i + 35,
                                                -30.0L * (i % 4), "q-Last " + std::to_string(i)};
    m.momentLoadCount = kMaxMomentLoads;
    for (int i = 1; i <= kMaxMomentLoads; ++i)
        m.momentLoads[i] = MomentLoad{-25000.0L * i, 110.0L * i, 90, "Mb" + std::to_string(i)};
    m.axialLoadCount = kMaxAxialLoads;
    for (int i = 1; i <= kMaxAxialLoads; ++i)
        m.axialLoads[i] = AxialLoad{i % 2 ? 3500.0L : -1250.5L, 200.0L * i, "Fax Längs"_oem};
    m.notchZoneCount = kMaxNotchZones;
    for (int i = 1; i <= kMaxNotchZones; ++i)
        m.notchZones[i] = NotchZone{
            1.0L + 0.1L * i, 1.5, 1.25, 100.0L * i, 100.0L * i + 12.5L, "Nut " + std::to_string(i)};
    m.supportType = kFiveHinges;
    m.supportX = {0, 500, 1000, 1500, 2345.678L};
    m.clampX = 0;
    m.bearingArrangement = 2;
    m.contactAngleA = 15;
    m.racewayDiameterA = 62.5;
    m.contactAngleB = 40;
    m.racewayDiameterB = 0.001;
    m.material = MaterialRecord{
        "1.0503", "C45E Vergütungsstahl nach EN 10083-2"_oem, 206000, 79300, 1.1, 0.75, 7.85, 17, 0,
        0};
    m.materialSource = 3;
    m.selfWeightAsLoad = true;
    m.bucklingOn = false;
    m.dunkerleyOn = true;
    m.iterationEps = 0.0005;
    m.notchMode = 4;
    m.showValues = true;
    m.hatching = false;
    m.principalAxes = true;
    m.segmentCount = 1500;
    m.profileFamily = 3;
    m.profileRecord = 42;
    m.arcDivision = 2.5;
    m.drawingName = "Welle Getriebe Stufe 2 xy"_oem;
    m.drawingName2 = "Zwischenwelle mit Ritzel z=17"_oem;
    m.drawingNumber = "ZN-2026-000123-ABC";

    ProjectDocumentation& d = p.doc;
    d.changeCount = kMaxChanges;
    for (int i = 1; i <= kMaxChanges; ++i) {
        d.changes[i] = ChangeRecord{"Änderung Nr. "_oem + std::to_string(i),
                                    "0" + std::to_string(i % 9 + 1) + ".11.2026", "HK",
                                    "Beschreibung " + std::to_string(i)};
    }
    d.changes[2].description = "Lager B verschoben\r\nKerbzone ergänzt\r\nMaterial C45E"_oem;
    d.drawing.replacementFor = "ZN-2025-0042";
    d.drawing.replacedBy = "";
    d.drawing.drawn = {"01.12.2026", "H.Kunz"};
    d.drawing.checked = {"02.12.2026", "B.Ott"};
    d.drawing.standardsCheck = {"03.12.2026", "Normstelle"};
    d.drawing.release = {"04.12.2026", "Leitung"};
    d.drawing.freeTextCount = kMaxFreeTexts;
    for (int i = 1; i <= kMaxFreeTexts; ++i)
        d.drawing.freeTexts[i] = FreeText{10.0L * i, 250.5L - 20 * i, 3.5, i == 3 ? 90.0L : 0,
                                          "Freitext " + std::to_string(i) + " Ø 40 h6"_oem};
    for (int i = 1; i <= kDocumentLinks; ++i)
        d.links[i] = DocumentLink{"/usr/bin/program" + std::to_string(i),
                                  "/home/konstruktion/welle" + std::to_string(i) + ".pdf"};
    d.links[5].program = "";
    return p;
}

SampleProject GearShaft() {
    SampleProject p;
    Base(p);
    BeamModel& m = p.model;
    m.drawingName = "Getriebewelle"_oem;
    m.drawingNumber = "GW-100-01";
    m.drawingName2 = "Zwischenwelle Stufe 1";
    m.headerLines[1] = ComposeHeaderLine1(m.drawingName, m.drawingNumber);
    m.headerLines[2] = "Zahnrad z=34 und Riemenscheibe, Lager A und B"_oem;
    m.length = 400;
    Circle(m, 45);
    m.supportType = kTwoHinges;
    m.supportX = {40, 330, 0, 0, 0};
    // Gear forces: tangential 6200 N and radial 2260 N at the gear (x = 160), belt pull
    // 3100 N at 30 degrees on the overhung pulley (x = 380).
    m.pointLoadCount = 3;
    m.pointLoads[1] = PointLoad{6200, 160, 90, "Ft Rad"};
    m.pointLoads[2] = PointLoad{2260, 160, 180, "Fr Rad"};
    m.pointLoads[3] = PointLoad{3100, 380, 30, "F Riemen"};
    m.momentLoadCount = 0;
    m.axialLoadCount = 1;
    m.axialLoads[1] = AxialLoad{-1450, 160, "Fa Rad"};
    m.notchZoneCount = 2;
    m.notchZones[1] = NotchZone{2.1, 2.1, 1.6, 155, 165, "Passfeder"};
    m.notchZones[2] = NotchZone{1.8, 1.8, 1.4, 325, 335, "Absatz B"};
    m.material = MaterialRecord{"1.7225", "42CrMo4", 210000, 80000, 1.2, 0.8, 7.8, 0, 0, 0};
    m.notchMode = 2;
    m.segmentCount = 1000;
    p.doc.changeCount = 1;
    p.doc.changes[1] = ChangeRecord{"Erstausgabe", "08.12.2026", "HK", "Neu erstellt"};
    p.doc.drawing.drawn = {"08.12.2026", "H.Kunz"};
    return p;
}

SampleProject CantileverBracket() {
    SampleProject p;
    Base(p);
    BeamModel& m = p.model;
    m.drawingName = "Konsole"_oem;
    m.drawingNumber = "KO-220";
    m.headerLines[1] = ComposeHeaderLine1(m.drawingName, m.drawingNumber);
    m.headerLines[2] = "Kragarm 60 x 100, an der Wand eingespannt"_oem;
    m.length = 800;
    Rectangle(m, 60, 100);
    m.supportType = kFixedClamp;
    m.clampX = 0;
    m.pointLoadCount = 1;
    // Both loads act downwards (angle 180, -y), like the weight.
    m.pointLoads[1] = PointLoad{5000, 800, 180, "F Ende"};
    m.distributedLoadCount = 1;
    m.distributedLoads[1] = DistributedLoad{2, 0, 800, 180, "q Auflage"};
    m.material = MaterialRecord{"1.0038", "S235JR", 210000, 81000, 1.2, 0.8, 7.85, 0, 0, 0};
    m.segmentCount = 800;
    return p;
}

SampleProject ContinuousBeam() {
    SampleProject p;
    Base(p);
    BeamModel& m = p.model;
    m.drawingName = "Durchlauftraeger";
    m.drawingNumber = "DT-4-6000";
    m.headerLines[1] = ComposeHeaderLine1(m.drawingName, m.drawingNumber);
    m.headerLines[2] = "Vierfeldtraeger, Eigengewicht als Streckenlast"_oem;
    m.length = 6000;
    Rectangle(m, 80, 160);
    m.supportType = kFourHinges;
    m.supportX = {0, 6000, 2000, 4000, 0};
    m.selfWeightAsLoad = true;
    m.distributedLoadCount = 1;
    m.distributedLoads[1] = DistributedLoad{1.5, 0, 6000, 180, "Nutzlast"};
    m.material = MaterialRecord{"1.0038", "S235JR", 210000, 81000, 1.2, 0.8, 7.85, 0, 0, 0};
    m.segmentCount = 1200;
    // The supports C and D are found by bisection on their deflection; a finer tolerance
    // than the default keeps the reactions within a few newtons.
    m.iterationEps = 0.00001;
    return p;
}

SampleProject DriveShaftS355() {
    SampleProject p;
    Base(p);
    BeamModel& m = p.model;
    m.drawingName = "Antriebswelle";
    m.drawingNumber = "AW-50-02";
    m.headerLines[1] = ComposeHeaderLine1(m.drawingName, m.drawingNumber);
    m.headerLines[2] = "Welle 50, Zahnrad mittig, Kupplung am Ende; S355J2 aus WST1"_oem;
    m.length = 500;
    Circle(m, 50);
    m.supportType = kTwoHinges;
    m.supportX = {50, 450, 0, 0, 0};
    m.pointLoadCount = 2;
    m.pointLoads[1] = PointLoad{8000, 250, 90, "Zahnrad"};
    m.pointLoads[2] = PointLoad{1500, 490, 45, "Kupplung"};
    m.notchZoneCount = 1;
    m.notchZones[1] = NotchZone{1.05, 1.8, 1.5, 240, 260, "Passfeder"};
    // Row 3 of wst1base.dbf; eta k 0.48 by the strength rule, G from Poisson's ratio 0.3.
    m.material =
        MaterialRecord{"1.0577", "S355J2", 210000, 210000 / 2.6L, 1.2, 0.48, 7.85, 3, 470, 355};
    m.materialSource = 3;
    m.notchMode = 2;
    m.segmentCount = 1000;
    p.doc.drawing.drawn = {"09.12.2026", "H.Kunz"};
    return p;
}

SampleProject NullTemplate() {
    SampleProject p;
    Base(p);
    ResetContour(p.model);
    return p;
}

}  // namespace bxr::test
