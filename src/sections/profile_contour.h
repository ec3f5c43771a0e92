// Standard sections: the thirteen families of the list "Profil", the row of a family table and
// the typed dimensions of the parametric shapes, and the outline built from them.
#pragma once

#include <array>
#include <string>

#include "model/beam_model.h"

namespace bxr {

inline constexpr int kProfileFamilyCount = 13;
inline constexpr int kTableFamilyCount = 8;  // families 1..8 come from tables
inline constexpr int kMaxProfileFields = 12;

struct ProfileFamilyInfo {
    const char* listText;  // UTF-8; convert with Utf8ToOem for display
    const char* table;     // empty for the parametric shapes
    const char* title2;
};

// Families 1..13; entry 0 unused.
const ProfileFamilyInfo& ProfileFamilyOf(int family);

// One row of a family table as read by field position (1-based).
struct ProfileRow {
    int fieldCount = 0;
    std::array<OemString, kMaxProfileFields + 1> text{};
    std::array<Real, kMaxProfileFields + 1> value{};  // numbers as parsed; 0 for texts
};

// The typed dimensions of families 9..13 (mm), with the prompts' defaults.
struct ParametricDimensions {
    Real d = 25;                 // round
    Real de = 25, di = 20;       // tube
    Real b = 50, h = 50, s = 5;  // square tube
    int corners = 6;             // polygon
    Real acrossFlats = 20;
    Real acrossCorners = 20 / 0.8660254037844386L;
    Real wall = 2;  // polygon tube
};

// The last row read of each table family (entry f for family f) and the typed dimensions.
struct ProfileCatalogState {
    std::array<ProfileRow, kTableFamilyCount + 1> rows{};
    ParametricDimensions dims;
};

// Number of contour points the family's outline has (the polygon ones depend on the corners).
int ProfileContourPoints(int family, int corners);

// Replaces the contour by the outline of model.profileFamily built from the row (families
// 1..8) or the typed dimensions (9..13). False, contour unchanged, for an unknown family or
// an outline that would not fit into the contour.
bool GenerateProfileContour(BeamModel& model, const ProfileRow& row,
                            const ParametricDimensions& dims);

// Swaps y and z of every point: the outline seen in the z-y system, still counter-clockwise.
void SwapContourYZ(BeamModel& model);

}  // namespace bxr
