// The one record that describes the beam being calculated: geometry, cross-section contour,
// material, supports, load lists, calculation settings, drawing options and texts.
//
// Internal units never change with the display units: mm, N, N/mm, N·mm, N/mm², kg/dm³,
// degrees for load and support angles, radians for contour arcs. Texts are code page 850
// byte strings. Lists are 1-based: entries 1..count are in use, entry 0 is spare.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "format/basic_types.h"

namespace bxr {

// Capacities that the input dialogs and their messages enforce.
inline constexpr int kMaxPointLoads = 20;
inline constexpr int kMaxDistributedLoads = 50;
inline constexpr int kMaxMomentLoads = 20;
inline constexpr int kMaxAxialLoads = 10;
inline constexpr int kMaxNotchZones = 20;
inline constexpr int kMaxContourPoints = 200;
inline constexpr int kMaxShaftSections = 30;

// Room behind the user's entries for the loads a calculation appends (support forces of
// C, D, E; the self-weight loads, one per stretch of constant section; the two bearing
// moments) and for the temporary forces of the bisection levels and the buckling iteration.
inline constexpr int kPointLoadRoom = kMaxPointLoads + 6 + 6 + 10;
inline constexpr int kMaxSelfWeightLoads = 2 * kMaxShaftSections + 1;
inline constexpr int kDistributedLoadRoom = kMaxDistributedLoads + kMaxSelfWeightLoads;
inline constexpr int kMomentLoadRoom = kMaxMomentLoads + 2;
inline constexpr int kAxialLoadRoom = kMaxAxialLoads;

inline constexpr std::size_t kLabelLength = 10;
inline constexpr std::size_t kMaterialCodeLength = 9;
inline constexpr std::size_t kMaterialNameLength = 40;
inline constexpr std::size_t kDrawingNameLength = 25;
inline constexpr std::size_t kDrawingName2Length = 30;
inline constexpr std::size_t kDrawingNumberLength = 18;
inline constexpr std::size_t kHeaderLineLength = 65;

struct ContourPoint {
    Real y = 0;
    Real z = 0;
    Real arcAngle = 0;  // radians, sweep of the edge to the next point; 0 = straight
};

struct PointLoad {
    Real f = 0;      // N
    Real x = 0;      // mm
    Real angle = 0;  // degree in the y-z plane, 0 = +y, 90 = +z
    OemString label;
};

struct DistributedLoad {
    Real q = 0;  // N/mm
    Real x1 = 0;
    Real x2 = 0;
    Real angle = 0;
    OemString label;
};

struct MomentLoad {
    Real mb = 0;  // N·mm
    Real x = 0;
    Real angle = 0;
    OemString label;
};

struct AxialLoad {
    Real fx = 0;  // N
    Real x = 0;
    OemString label;
};

struct NotchZone {
    Real betaK = 1;
    Real betaKb = 1;
    Real betaKt = 1;
    Real x1 = 0;
    Real x2 = 0;
    OemString label;
};

// A stretch of round or tube section along the beam; where none lies, the contour's section.
struct ShaftSection {
    Real x1 = 0;
    Real x2 = 0;
    Real D = 0;  // outer diameter, mm
    Real d = 0;  // bore, mm; 0 for a solid shaft
};

enum SupportType : std::uint16_t {
    kFixedClamp = 1,
    kTwoHinges = 2,
    kAngularContactPair = 3,
    kThreeHinges = 4,
    kFourHinges = 5,
    kFiveHinges = 6,
};

enum SupportIndex { kSupportA = 0, kSupportB = 1, kSupportC = 2, kSupportD = 3, kSupportE = 4 };

struct MaterialRecord {
    OemString code = "1.7225";
    OemString name = "42CrMo4";
    Real e = 210000;
    Real g = 80000;
    Real surfaceFactor = 1.2;
    Real notchSensitivity = 0.8;
    Real density = 7.8;
    std::int32_t tableRecord = 0;
    Real rm = 0;  // filled from the catalogues, not stored in the project file
    Real re = 0;
};

struct BeamModel {
    // Geometry and global values
    Real length = 1200;
    Real loadAngleOffset = 0;
    std::int32_t segmentCount = 1000;

    // Cross-section
    std::uint16_t contourCount = 0;
    std::array<ContourPoint, kMaxContourPoints + 1> contour{};
    std::uint16_t profileFamily = 1;
    std::uint16_t profileRecord = 1;
    Real arcDivision = 5;  // degree

    // Shaft sections (1-based), in any order
    std::array<ShaftSection, kMaxShaftSections + 1> shaftSections{};
    std::int32_t shaftSectionCount = 0;

    // Load lists (1-based)
    std::array<PointLoad, kPointLoadRoom + 1> pointLoads{};
    std::int32_t pointLoadCount = 0;
    std::array<DistributedLoad, kDistributedLoadRoom + 1> distributedLoads{};
    std::int32_t distributedLoadCount = 0;
    std::array<MomentLoad, kMomentLoadRoom + 1> momentLoads{};
    std::int32_t momentLoadCount = 0;
    std::array<AxialLoad, kAxialLoadRoom + 1> axialLoads{};
    std::int32_t axialLoadCount = 0;
    std::array<NotchZone, kMaxNotchZones + 1> notchZones{};
    std::int32_t notchZoneCount = 0;

    // Supports
    std::uint16_t supportType = kFixedClamp;
    std::array<Real, 5> supportX{0, 1060, 0, 0, 0};
    Real clampX = 0;
    std::uint16_t bearingArrangement = 1;  // 1 X arrangement, 2 O arrangement
    Real contactAngleA = 0;
    Real contactAngleB = 0;
    Real racewayDiameterA = 0;
    Real racewayDiameterB = 0;

    // Material
    MaterialRecord material;
    std::uint16_t materialSource = 2;

    // Calculation settings
    bool selfWeightAsLoad = false;
    bool bucklingOn = true;
    bool dunkerleyOn = false;
    bool supportStiffnessOn = false;
    Real iterationEps = 0.001;
    std::uint16_t notchMode = 1;

    // Drawing options
    bool showValues = false;
    bool hatching = true;
    bool principalAxes = true;

    // Texts
    OemString drawingName;
    OemString drawingName2;
    OemString drawingNumber;
    std::array<OemString, 4> headerLines{"", std::string(60, ' '), std::string(60, ' '),
                                         std::string(60, ' ')};  // 1..3

    // Status
    bool modified = false;
    bool auxLoadsAppended = false;
};

// Every field back to its start-up default.
void Initialise(BeamModel& model);
// contourCount, notchZoneCount, shaftSectionCount and length to 0.
void ResetGeometry(BeamModel& model);
// The four load counts to 0.
void ResetLoads(BeamModel& model);
// No contour points; every point back to the unset mark (999, 999, 0), entry 0 the origin.
void ResetContour(BeamModel& model);
// Strips the loads a calculation appended from the tail of the lists; the flag stays.
void RemoveAddedLoads(BeamModel& model);
// Index of the calculation point nearest to x (halves to even), clamped to 0..segmentCount.
int PointIndex(const BeamModel& model, Real x);
// Position of calculation point k, k clamped to 0..segmentCount.
Real PointPosition(const BeamModel& model, int k);
// headerLines[1] from the drawing name and number, as the text dialog composes it.
OemString ComposeHeaderLine1(const OemString& drawingName, const OemString& drawingNumber);
// A text cut to its field's maximum length.
OemString CutText(const OemString& text, std::size_t maxLength);

}  // namespace bxr
