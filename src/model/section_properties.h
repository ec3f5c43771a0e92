// Section values of the contour: the expanded polygon, the extents, the area integrals,
// centroidal and principal values, and the mass values of the beam.
#pragma once

#include <array>
#include <cstdint>

#include "model/beam_model.h"

namespace bxr {

inline constexpr int kMaxPolygonPoints = 500;

struct PolygonPoint {
    Real y = 0;
    Real z = 0;
};

// The outline with every arc replaced by chords; 1-based, point count is a copy of point 1.
struct ExpandedPolygon {
    std::uint16_t count = 0;
    std::array<PolygonPoint, kMaxPolygonPoints + 1> points{};
};

struct SectionProperties {
    Real A = 0, Hy = 0, Hz = 0, Iy = 0, Iz = 0, Iyz = 0, Ip0 = 0;
    Real ys = 0, zs = 0;
    Real Ieta = 0, Izeta = 0, Iez = 0, IpS = 0;
    Real phi = 0, I1 = 0, I2 = 0;
    Real J0 = 0, Js = 0;  // kg·m²
};

struct SectionExtents {
    Real ymin = 0, zmin = 0, ymax = 160, zmax = 120;
    Real width = 160, height = 120;
};

// Everything the section calculation reads beside the contour and writes.
struct SectionState {
    ExpandedPolygon polygon;
    SectionExtents extents;
    SectionProperties props;
    Real density = 7.8;      // SectionDensity, kg/dm³
    Real massLength = 1000;  // SectionMassLength, mm
    Real volume = 0;         // mm³
    Real mass = 0;           // kg
};

}  // namespace bxr
