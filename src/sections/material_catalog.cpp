#include "sections/material_catalog.h"

#include <algorithm>
#include <cmath>

#include "tables/dbf_table.h"

namespace bxr {

namespace {

// Text of field i without the padding blanks, cut to the length the program keeps.
OemString Text(const DbfTable& t, int i, std::size_t maxLength) {
    return CutText(t.FieldValue(i), maxLength);
}

std::int32_t Whole(const DbfTable& t, int i) {
    return RoundWhole(t.FieldNumber(i));
}

bool IsBlank(const OemString& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

}  // namespace

Real Round2(Real x) {
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(x * 100) / 100;
}

std::int32_t RoundWhole(Real x) {
    if (!std::isfinite(x)) return 0;
    const Real r = std::nearbyint(x);
    if (r > 2147483647.0L) return 2147483647;
    if (r < -2147483647.0L) return -2147483647;
    return static_cast<std::int32_t>(r);
}

Real Din743NotchSensitivity(Real rm) {
    return std::clamp(Round2(rm / 1700 + 0.2L), Real(0.4L), Real(0.95L));
}

Real NotchSensitivityRule(int groupCode, Real rm) {
    if (groupCode == 40 || groupCode == 41) return 0.3L;
    if (groupCode >= 50 && groupCode <= 55) return 0.4L;
    if (groupCode >= 58 && groupCode <= 64) return 0.5L;
    return Din743NotchSensitivity(rm);
}

Real ShearModulusFromPoisson(Real e, Real nu) {
    return e / ((nu + 1) * 2);
}

DynamicStrengths DeriveDin743Strengths(const Din743Material& row) {
    DynamicStrengths d;
    d.sigBF = row.re;
    d.tauTF = RoundWhole(0.577L * d.sigBF);
    d.sigW = row.sigZdW;
    d.sigBW = row.sigBW;
    d.tauW = row.tauTW;
    d.sigSch = RoundWhole((row.re - d.sigW) * 0.6L + d.sigW);
    d.sigBSch = RoundWhole((d.sigBF - d.sigBW) * 0.6L + d.sigBW);
    d.tauSch = RoundWhole((d.tauTF - d.tauW) * 0.6L + d.tauW);
    return d;
}

std::vector<OemString> RowTexts(const DbfTable& table) {
    std::vector<OemString> row(1);
    for (int i = 1; i <= table.FieldCount(); ++i) row.push_back(table.FieldValue(i));
    return row;
}

void ApplyWqzwstRow(const DbfTable& t, MaterialRecord& m) {
    m.code = Text(t, 1, kMaterialCodeLength);
    m.name = Text(t, 2, kMaterialNameLength);
    m.rm = t.FieldNumber(3);
    m.re = t.FieldNumber(4);
    m.e = t.FieldNumber(5);
    m.g = t.FieldNumber(6);
    m.density = t.FieldNumber(7);
    m.notchSensitivity = t.FieldNumber(8);
}

OemString ApplyWst1BaseRow(const DbfTable& t, MaterialRecord& m) {
    m.name = Text(t, 2, kMaterialNameLength);
    m.code = Text(t, 3, kMaterialCodeLength);
    m.rm = t.FieldNumber(5);
    m.re = t.FieldNumber(6);
    m.e = t.FieldNumber(7);
    m.g = ShearModulusFromPoisson(m.e, t.FieldNumber(10));
    m.density = t.FieldNumber(11);
    m.notchSensitivity = NotchSensitivityRule(Whole(t, 4), t.FieldNumber(5));
    return Text(t, 1, 9);
}

DynamicStrengths ReadDynamicRow(const DbfTable& t) {
    DynamicStrengths d;
    d.sigBF = Whole(t, 2);
    d.tauTF = Whole(t, 3);
    d.sigW = Whole(t, 4);
    d.sigBW = Whole(t, 5);
    d.tauW = Whole(t, 6);
    d.sigSch = Whole(t, 7);
    d.sigBSch = Whole(t, 8);
    d.tauSch = Whole(t, 9);
    d.remark = Text(t, 10, kDynamicRemarkLength);
    return d;
}

Din743Material ReadDin743Row(const DbfTable& t) {
    Din743Material r;
    r.group = Whole(t, 1);
    r.designation = Text(t, 2, 15);
    r.text1 = Text(t, 3, 10);
    r.text2 = Text(t, 4, 15);
    r.text3 = Text(t, 5, 15);
    r.text4 = Text(t, 6, 10);
    r.shortText = Text(t, 7, 10);
    r.rm = Whole(t, 8);
    r.re = Whole(t, 9);
    r.sigZdW = Whole(t, 10);
    r.sigBW = Whole(t, 11);
    r.tauTW = Whole(t, 12);
    r.e = Whole(t, 13);
    r.g = Whole(t, 14);
    r.density = t.FieldNumber(15);
    return r;
}

void ApplyDin743Row(const Din743Material& r, MaterialRecord& m) {
    m.code = CutText(r.designation, kMaterialCodeLength);
    m.name = IsBlank(r.shortText) ? r.designation : r.shortText;
    m.e = r.e;
    m.g = r.g;
    m.density = r.density;
    m.rm = r.rm;
    m.re = r.re;
}

}  // namespace bxr
