// The worked example of the result help pages. Every number a page marks as
//     <span class="check" title="KEY">1 234,5</span>
// is what the program computes for the example project data/help/examples/beispielwelle.bxr,
// rounded to the digits the page prints (German pages with the decimal comma, English ones
// with the point; blanks group the thousands). A key the test does not know, a number that
// does not round to the program's value, or a result page without any marked number fails.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <numbers>
#include <regex>
#include <set>

#include "analysis/buckling.h"
#include "analysis/run_analysis.h"
#include "analysis/stresses.h"
#include "app/project_commands.h"
#include "model/shaft_sections.h"
#include "support/fake_catalog_tables.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kDeg = 180 / kPi;
const std::string kHelp = std::string(BXR_SOURCE_DATA_DIR) + "/help";

bool Calculate(Workspace& ws, int notchMode,
               const std::string& project = kHelp + "/examples/beispielwelle.bxr") {
    ws.config.dbfFolder = test::BuiltCatalogFolder();
    ws.config.tempFolder = test::MakeTempFolder();
    if (!ReadProjectFile(ws, DiskFileSystem(), project)) return false;
    if (notchMode != 0) ws.model.notchMode = notchMode;
    RunAnalysis(ws);
    return !ws.messages.fatal && !ws.abortFlag;
}

// The values the pages may quote, in the report's units (mm, N, N·m, N/mm², degrees, Hz);
// the keys "stepped_..." are those of the stepped shaft data/stufenwelle.bxr.
std::map<std::string, Real> ExampleValues() {
    Workspace ws, plain, stepped;
    if (!Calculate(ws, 0) || !Calculate(plain, 1) ||
        !Calculate(stepped, 0, std::string(BXR_SOURCE_DATA_DIR) + "/stufenwelle.bxr"))
        return {};
    const BeamModel& sm = stepped.model;
    const ShaftSection& collar = sm.shaftSections[4];
    const ShaftSection& journal = sm.shaftSections[7];
    const SectionProperties& p = ws.section.props;
    const StationTable& t = ws.results.stations;
    const ExtremeValues& e = ws.results.extremes;
    const SupportReactions& r = ws.results.reactions;
    const Station& atA = t[PointIndex(ws.model, ws.model.supportX[kSupportA])];
    const Station& atB = t[PointIndex(ws.model, ws.model.supportX[kSupportB])];
    const Station& mMax = t[e.pointMb];
    const Station& wMax = t[e.pointW];
    const Station& bPlain = plain.results.stations[plain.results.extremes.pointSigB];
    const Station& zPlain = plain.results.stations[plain.results.extremes.pointSigZ];
    const DynamicStrengths& d = ws.materials.dynamic;
    const Real diameter = std::max(ws.section.extents.width, ws.section.extents.height);
    const Real sigB = t[e.pointSigB].sigB;
    return {
        {"area", p.A},
        {"ieta", p.Ieta},
        {"izeta", p.Izeta},
        {"i1", p.I1},
        {"i2", p.I2},
        {"ips", p.IpS},
        {"volume", ws.section.volume},
        {"mass", ws.section.mass},
        {"js", p.Js},
        {"diameter", diameter},
        {"reaction_ay", r.Ry[kSupportA]},
        {"reaction_az", r.Rz[kSupportA]},
        {"reaction_a", r.R[kSupportA]},
        {"reaction_by", r.Ry[kSupportB]},
        {"reaction_bz", r.Rz[kSupportB]},
        {"axial_reaction_a", r.FxA},
        {"moment_max", mMax.Mb / 1000},
        {"moment_xy", mMax.Mb_xy / 1000},
        {"moment_xz", mMax.Mb_xz / 1000},
        {"moment_x", mMax.x},
        {"moment_angle", mMax.phiMb},
        {"slope_a", atA.slope * kDeg},
        {"slope_a_angle", atA.phiSlope},
        {"slope_b", atB.slope * kDeg},
        {"deflection_max", wMax.w},
        {"deflection_xy", wMax.w_xy},
        {"deflection_xz", wMax.w_xz},
        {"deflection_angle", wMax.phiW},
        {"sig_b_plain", bPlain.sigB},
        {"sig_z_plain", zPlain.sigZ},
        {"size_factor", SizeFactor(diameter)},
        {"stress_factor", ws.model.material.surfaceFactor / SizeFactor(diameter)},
        {"sig_b", sigB},
        {"sig_b_x", t[e.pointSigB].x},
        {"sig_z", t[e.pointSigZ].sigZ},
        {"sig_v", t[e.pointSigV].sigV},
        {"euler_load", ws.results.buckling.eulerLoad},
        {"frequency", ws.results.frequency},
        {"frequency_rpm", 60 * ws.results.frequency},
        {"sigma_w", Real(d.sigW)},
        {"sigma_bw", Real(d.sigBW)},
        {"sigma_bf", Real(d.sigBF)},
        {"s_w", ws.results.safety.Sw},
        {"s_bw", ws.results.safety.Sbw},
        {"s_bf", sigB != 0 ? d.sigBF / sigB : 0},
        {"s_vbw", ws.results.safety.Svbw},
        {"stepped_collar_area", ShaftSectionArea(collar)},
        {"stepped_collar_i", ShaftSectionInertia(collar)},
        {"stepped_volume", stepped.section.volume},
        {"stepped_mass", stepped.section.mass},
        {"stepped_euler_load", stepped.results.buckling.eulerLoad},
        {"stepped_euler_journal",
         EulerLoad(sm.supportType, sm.length, ShaftSectionInertia(journal), sm.material.e)},
        {"stepped_euler_collar",
         EulerLoad(sm.supportType, sm.length, ShaftSectionInertia(collar), sm.material.e)},
    };
}

struct Printed {
    Real value = 0;
    int decimals = 0;
    bool ok = false;
};

// "2 537 911", "0,323", "−1 250" (blanks, no-break and thin spaces group the thousands).
Printed ParsePrinted(std::string text, char decimalMark) {
    for (const char* gap : {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF", " "})
        for (auto at = text.find(gap); at != std::string::npos; at = text.find(gap))
            text.erase(at, std::strlen(gap));
    if (text.rfind("\xE2\x88\x92", 0) == 0) text.replace(0, 3, "-");
    static const std::regex kNumber("-?[0-9]+([.,][0-9]+)?");
    Printed p;
    if (!std::regex_match(text, kNumber)) return p;
    const auto mark = text.find_first_of(".,");
    if (mark != std::string::npos) {
        if (text[mark] != decimalMark) return p;
        p.decimals = static_cast<int>(text.size() - mark - 1);
        text[mark] = '.';
    }
    p.value = std::strtold(text.c_str(), nullptr);
    p.ok = true;
    return p;
}

TEST(HelpResultPages, EveryMarkedNumberIsWhatTheProgramComputesForTheExample) {
    const std::map<std::string, Real> values = ExampleValues();
    ASSERT_FALSE(values.empty()) << "the example project does not calculate";
    static const std::regex kMarked(
        "<span class=\"check\" title=\"([^\"]*)\">([^<]*)</span>");
    std::map<std::string, std::set<std::string>> keysOfPage[2];
    int l = 0;
    for (const auto& [language, mark] : {std::pair{"de", ','}, std::pair{"en", '.'}}) {
        int pages = 0;
        for (const auto& entry : std::filesystem::directory_iterator(kHelp + "/" + language)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("result-", 0) != 0 || entry.path().extension() != ".html") continue;
            ++pages;
            const std::string html = test::Slurp(entry.path().string());
            std::set<std::string>& keys = keysOfPage[l][name];
            for (std::sregex_iterator it(html.begin(), html.end(), kMarked), end; it != end; ++it) {
                const std::string key = (*it)[1], shown = (*it)[2];
                const std::string where = std::string(language) + "/" + name + " " + key;
                keys.insert(key);
                const auto known = values.find(key);
                if (known == values.end()) {
                    ADD_FAILURE() << where << ": unknown key";
                    continue;
                }
                const Printed p = ParsePrinted(shown, mark);
                if (!p.ok) {
                    ADD_FAILURE() << where << ": \"" << shown << "\" is not a number";
                    continue;
                }
                const Real unit = std::pow(Real(10), -p.decimals);
                EXPECT_LE(std::fabs(p.value - known->second), 0.5L * unit * (1 + 1e-9L))
                    << where << ": the page shows " << shown << ", the program computes "
                    << static_cast<double>(known->second);
            }
            EXPECT_FALSE(keys.empty()) << language << "/" << name << " marks no number";
        }
        EXPECT_GE(pages, 8) << language;
        ++l;
    }
    // Both languages show the same example on the same pages.
    EXPECT_EQ(keysOfPage[0], keysOfPage[1]);
}

// The example is chosen so that the simple values follow from textbook formulas: a solid
// shaft of 50 mm between hinges 500 mm apart, F = 5000 N at midspan at 30° about the axis,
// 40 kN tension, E = 210000 N/mm². The section is the polygon of the arcs, so its values
// are those of the circle to a few tenths of a per cent.
TEST(HelpResultPages, ExampleAgreesWithTheHandCalculation) {
    const std::map<std::string, Real> v = ExampleValues();
    ASSERT_FALSE(v.empty());
    const Real d = 50, r = 25, L = 500, F = 5000, E = 210000, Fx = 40000;
    const Real A = kPi * r * r, I = kPi * std::pow(d, 4) / 64;
    auto near = [&](const char* key, Real expected, Real relative) {
        EXPECT_NEAR(v.at(key), expected, std::fabs(expected) * relative) << key;
    };
    near("area", A, 3e-3);
    near("i2", I, 4e-3);
    near("mass", A * L * 7.85e-6, 3e-3);
    // Each hinge takes F/2 against the load: F/2·cos 30° in y, F/2·sin 30° in z.
    near("reaction_ay", -F / 2 * std::cos(30 / kDeg), 1e-9);
    near("reaction_az", -F / 2 * std::sin(30 / kDeg), 1e-9);
    near("axial_reaction_a", -Fx, 1e-12);
    near("moment_max", F * L / 4 / 1000, 2e-3);
    near("deflection_max", F * L * L * L / (48 * E * I), 5e-3);
    near("slope_a", F * L * L / (16 * E * I) * kDeg, 5e-3);
    near("euler_load", kPi * kPi * E * v.at("i2") / (L * L), 1e-9);
    near("sig_b_plain", F * L / 4 * r / I, 5e-3);
    near("sig_z_plain", Fx / A, 3e-3);
    // The arcs' stored sweep (3.142) widens the polygon to 50.01 mm.
    near("size_factor", 1.37 - 0.37 * std::log10(50.0), 1e-4);
    // Dunkerley with nine equal masses m/9 at the middles of the ninths; each one alone
    // deflects the hinged beam under itself by G·a²·b²/(3·E·I·L).
    Real sum = 0;
    for (int i = 1; i <= 9; ++i) {
        const Real a = (i - 0.5L) * L / 9, b = L - a;
        const Real w = v.at("mass") / 9 * 9.81 * a * a * b * b / (3 * E * v.at("i2") * L);
        const Real f = std::sqrt(9810 / w) / (2 * kPi);
        sum += 1 / (f * f);
    }
    near("frequency", 1 / std::sqrt(sum), 5e-3);
    // The stepped shaft: seven solid stretches; the 52 mm collar from 200 to 215 mm.
    near("stepped_collar_area", kPi * 52 * 52 / 4, 1e-12);
    near("stepped_collar_i", kPi * std::pow(52.0L, 4) / 64, 1e-12);
    const Real stretches[][2] = {{35, 55}, {42, 65}, {45, 80}, {52, 15}, {42, 100}, {35, 30}, {30, 55}};
    Real volume = 0;
    for (const auto& [D, length] : stretches) volume += kPi * D * D / 4 * length;
    near("stepped_volume", volume, 1e-9);
    // Its buckling load lies between those of uniform shafts of its thinnest and thickest part.
    EXPECT_GT(v.at("stepped_euler_load"), v.at("stepped_euler_journal"));
    EXPECT_LT(v.at("stepped_euler_load"), v.at("stepped_euler_collar"));
}

}  // namespace
}  // namespace bxr
