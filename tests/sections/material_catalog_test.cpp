#include "sections/material_catalog.h"

#include <gtest/gtest.h>

#include <string>

#include "tables/dbf_table.h"

namespace bxr {
namespace {

std::string Catalog(const std::string& name) {
    return std::string(BXR_BINARY_DIR) + "/data/" + name;
}

// Opens a built catalogue table and makes the row whose field `field` reads `key` current.
bool OpenAt(DbfTable& t, const std::string& name, int field, const std::string& key) {
    if (!t.Open(Catalog(name))) return false;
    for (std::uint32_t n = 1; n <= t.RecordCount(); ++n)
        if (t.Read(n) && t.FieldValue(field) == key) return true;
    return false;
}

TEST(NotchSensitivityRule, GroupCodesAndTheStrengthRule) {
    EXPECT_EQ(NotchSensitivityRule(40, 900), 0.3L);
    EXPECT_EQ(NotchSensitivityRule(41, 1500), 0.3L);
    EXPECT_EQ(NotchSensitivityRule(50, 400), 0.4L);
    EXPECT_EQ(NotchSensitivityRule(55, 1500), 0.4L);
    EXPECT_EQ(NotchSensitivityRule(58, 400), 0.5L);
    EXPECT_EQ(NotchSensitivityRule(64, 400), 0.5L);
    // Outside the groups: Rm/1700 + 0.2 to two decimals, between 0.4 and 0.95.
    EXPECT_NEAR(double(NotchSensitivityRule(57, 900)), 0.73, 1e-15);   // 0.7294
    EXPECT_NEAR(double(NotchSensitivityRule(57, 400)), 0.44, 1e-15);   // 0.4353
    EXPECT_NEAR(double(NotchSensitivityRule(57, 1500)), 0.95, 1e-15);  // 1.0824 clamped
    EXPECT_NEAR(double(NotchSensitivityRule(56, 200)), 0.40, 1e-15);   // 0.3176 clamped
    EXPECT_NEAR(double(NotchSensitivityRule(65, 1190)), 0.90, 1e-15);  // exactly 0.9
    EXPECT_NEAR(double(NotchSensitivityRule(42, 1275)), 0.95, 1e-15);  // exactly 0.95
}

TEST(MaterialRules, HalvesRoundToEven) {
    EXPECT_NEAR(double(Round2(0.125L)), 0.12, 1e-15);
    EXPECT_NEAR(double(Round2(0.135L)), 0.14, 1e-15);
    EXPECT_EQ(RoundWhole(432.5L), 432);
    EXPECT_EQ(RoundWhole(433.5L), 434);
    EXPECT_EQ(RoundWhole(-2.5L), -2);
}

TEST(MaterialRules, ShearModulusFromPoissonsRatio) {
    EXPECT_NEAR(double(ShearModulusFromPoisson(210000, 0.3L)), 80769.2, 0.05);
    EXPECT_NEAR(double(ShearModulusFromPoisson(169000, 0.275L)), 66274.5, 0.05);
}

TEST(MaterialRules, Din743RowGivesTheFatigueValues) {
    Din743Material row;
    row.re = 750;
    row.sigZdW = 400;
    row.sigBW = 450;
    row.tauTW = 260;
    const DynamicStrengths d = DeriveDin743Strengths(row);
    EXPECT_EQ(d.sigBF, 750);
    EXPECT_EQ(d.tauTF, 433);  // 0.577 * 750 = 432.75
    EXPECT_EQ(d.sigW, 400);
    EXPECT_EQ(d.sigBW, 450);
    EXPECT_EQ(d.tauW, 260);
    EXPECT_EQ(d.sigSch, 610);   // 400 + 0.6 * 350
    EXPECT_EQ(d.sigBSch, 630);  // 450 + 0.6 * 300
    EXPECT_EQ(d.tauSch, 364);   // 260 + 0.6 * 173 = 363.8
}

TEST(MaterialTables, Wst1BaseRowsCarryTheStandardValues) {
    DbfTable t;
    MaterialRecord m;
    // 42CrMo4 quenched and tempered, up to 16 mm: Rm 1100, Re 900 (EN 10083-3).
    ASSERT_TRUE(OpenAt(t, "wst1base.dbf", 3, "1.7225"));
    ApplyWst1BaseRow(t, m);
    EXPECT_EQ(m.name, "42CrMo4");
    EXPECT_EQ(m.code, "1.7225");
    EXPECT_EQ(m.rm, 1100);
    EXPECT_EQ(m.re, 900);
    EXPECT_EQ(m.e, 210000);
    EXPECT_NEAR(double(m.g), 80769.2, 0.05);
    EXPECT_NEAR(double(m.density), 7.85, 1e-12);
    EXPECT_NEAR(double(m.notchSensitivity), 0.85, 1e-15);  // 1100/1700 + 0.2 = 0.847
    // Grey cast iron EN-GJL-250: Rm 250, group rule 0.3.
    ASSERT_TRUE(OpenAt(t, "wst1base.dbf", 3, "EN-JL1040"));
    ApplyWst1BaseRow(t, m);
    EXPECT_EQ(m.rm, 250);
    EXPECT_NEAR(double(m.notchSensitivity), 0.3, 1e-15);
    // S355J2 up to 16 mm: Re 355, Rm 470 (EN 10025-2).
    ASSERT_TRUE(OpenAt(t, "wst1base.dbf", 3, "1.0577"));
    ApplyWst1BaseRow(t, m);
    EXPECT_EQ(m.re, 355);
    EXPECT_EQ(m.rm, 470);
}

TEST(MaterialTables, WqzwstAndDynamicRows) {
    DbfTable t;
    MaterialRecord m;
    ASSERT_TRUE(OpenAt(t, "wqzwst.dbf", 1, "1.0038"));
    ApplyWqzwstRow(t, m);
    EXPECT_EQ(m.name, "S235JR");
    EXPECT_EQ(m.rm, 360);
    EXPECT_EQ(m.re, 235);
    EXPECT_EQ(m.e, 210000);
    EXPECT_NEAR(double(m.notchSensitivity), 0.41, 1e-15);
    // C45E quenched and tempered: the DIN 743-3 estimates 0.4, 0.5 and 0.3 times Rm = 700.
    ASSERT_TRUE(OpenAt(t, "wst1dyn.dbf", 1, "1.1191"));
    const DynamicStrengths d = ReadDynamicRow(t);
    EXPECT_EQ(d.sigW, 280);
    EXPECT_EQ(d.sigBW, 350);
    EXPECT_EQ(d.tauW, 210);
    EXPECT_EQ(d.sigBF, 588);  // 1.2 * Re 490
    EXPECT_FALSE(d.remark.empty());
}

TEST(MaterialTables, Din743RowsAndTheBlankShortText) {
    DbfTable t;
    MaterialRecord m;
    ASSERT_TRUE(OpenAt(t, "mat_743.dbf", 2, "34CrNiMo6"));
    Din743Material row = ReadDin743Row(t);
    EXPECT_EQ(row.group, 2);
    EXPECT_EQ(row.rm, 1200);
    EXPECT_EQ(row.re, 1000);
    EXPECT_EQ(row.sigZdW, 480);
    EXPECT_EQ(row.sigBW, 600);
    EXPECT_EQ(row.tauTW, 360);
    ApplyDin743Row(row, m);
    EXPECT_EQ(m.name, "34CrNiMo6");
    EXPECT_EQ(m.code, "34CrNiMo6");
    EXPECT_NEAR(double(Din743NotchSensitivity(row.rm)), 0.91, 1e-15);  // 1200/1700 + 0.2
    // 18CrNiMo7-6 does not fit the 10-character short text: the designation is the name and
    // its first nine characters the code.
    ASSERT_TRUE(OpenAt(t, "mat_743.dbf", 2, "18CrNiMo7-6"));
    row = ReadDin743Row(t);
    EXPECT_EQ(row.group, 3);
    ApplyDin743Row(row, m);
    EXPECT_EQ(m.name, "18CrNiMo7-6");
    EXPECT_EQ(m.code, "18CrNiMo7");
}

}  // namespace
}  // namespace bxr
