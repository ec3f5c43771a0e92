// The material catalogue: the fatigue strengths and the DIN 743 row that come with a chosen
// material, the rules that derive eta k and the fatigue values, and the reading of the rows of
// the four material tables by field position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/beam_model.h"

namespace bxr {

class DbfTable;

// Fatigue strengths from wst1dyn.dbf or derived from a DIN 743 row; N/mm², 0 = not given.
struct DynamicStrengths {
    std::int32_t sigBF = 0;    // "sig.bF"
    std::int32_t tauTF = 0;    // "tau tF"
    std::int32_t sigW = 0;     // "sig.W"
    std::int32_t sigBW = 0;    // "sig.bW"
    std::int32_t tauW = 0;     // "tau W"
    std::int32_t sigSch = 0;   // "sig.Sch"
    std::int32_t sigBSch = 0;  // "sig.bSch"
    std::int32_t tauSch = 0;   // "tau sch"
    OemString remark;          // at most 35 characters
};

// One row of mat_743.dbf.
struct Din743Material {
    std::int32_t group = 0;                // 3 = case-hardening steels
    OemString designation;                 // 15
    OemString text1, text2, text3, text4;  // 10, 15, 15, 10
    OemString shortText;                   // 10
    std::int32_t rm = 0, re = 0, sigZdW = 0, sigBW = 0, tauTW = 0;
    std::int32_t e = 0, g = 0;
    Real density = 0;  // kg/dm³
};

// Everything the material choice keeps beside the model's material record.
struct MaterialCatalogState {
    DynamicStrengths dynamic;
    Din743Material din743;
    Real roughnessRz = 16;  // µm
    Real hardeningKv = 1;
    OemString wst1baseKey;  // key of the last wst1base row picked
    // Why a project just read has no fatigue strengths although its material came from a
    // table (the table is missing, or its row now holds another material); the calculation
    // repeats it among its messages. Empty when there is nothing to say.
    std::string strengthNote;
    // The rows last read by the Database menu, field texts by position (entry 0 unused).
    std::vector<OemString> wqzwstRow, wst1dynRow, wst1baseRow;
};

inline constexpr std::size_t kDynamicRemarkLength = 35;

// x rounded to two decimals, halves to even.
Real Round2(Real x);
// x rounded to a whole number, halves to even.
std::int32_t RoundWhole(Real x);

// eta k of a wst1base material from its group code and tensile strength.
Real NotchSensitivityRule(int groupCode, Real rm);
// eta k of a DIN 743 material: the strength rule without the group codes.
Real Din743NotchSensitivity(Real rm);
// Shear modulus from the modulus of elasticity and Poisson's ratio.
Real ShearModulusFromPoisson(Real e, Real nu);
// The fatigue values that the DIN 743 choice derives from its row.
DynamicStrengths DeriveDin743Strengths(const Din743Material& row);

// Field texts of the current record, by position from 1 (entry 0 unused).
std::vector<OemString> RowTexts(const DbfTable& table);

// The current row of wqzwst.dbf into the material: code, name, Rm, Re, E, G, density, eta k.
void ApplyWqzwstRow(const DbfTable& table, MaterialRecord& material);
// The current row of wst1base.dbf into the material; eta k by the group rule, G from ν.
// Returns the row's key.
OemString ApplyWst1BaseRow(const DbfTable& table, MaterialRecord& material);
// The current row of wst1dyn.dbf.
DynamicStrengths ReadDynamicRow(const DbfTable& table);
// The current row of mat_743.dbf.
Din743Material ReadDin743Row(const DbfTable& table);
// A DIN 743 row into the material: code from the designation, name from the short text
// (the designation when blank), E, G, density, Rm and Re. eta k follows once the surface
// values are confirmed (Din743NotchSensitivity).
void ApplyDin743Row(const Din743Material& row, MaterialRecord& material);

}  // namespace bxr
