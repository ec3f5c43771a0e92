// The "/CADi:j" batch form run from a shell: the drawing lands beside the project, named
// after it, and a failure exits with 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

// Run in `workFolder` (with its own home, so that only a bxr.cfg there counts) when given.
int RunCad(const std::string& project, const std::string& word,
           const std::string& workFolder = "") {
    const char* fromEnv = std::getenv("BXR_WBXR");
    const std::string wbxr = fromEnv ? fromEnv : std::string(BXR_BINARY_DIR) + "/wbxr";
    const std::string place = workFolder.empty() ? std::string()
                                                 : "cd '" + workFolder + "' && HOME='" +
                                                       workFolder + "' XDG_CONFIG_HOME= ";
    const std::string command = place + "env -u DISPLAY -u WAYLAND_DISPLAY '" + wbxr + "' '" +
                                project + "' " + word + " /NOGUI >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CadBatchRun, WritesTheDrawingBesideTheProject) {
    const std::string folder = test::MakeTempFolder();
    const std::string project = folder + "welle.bxr";
    test::WriteFile(project, test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr"));
    EXPECT_EQ(RunCad(project, "/CAD1:1"), 0);
    const std::string dxf = test::Slurp(folder + "welle.dxf");
    EXPECT_NE(dxf.find("ENTITIES"), std::string::npos);
    ASSERT_GE(dxf.size(), 5u);
    EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
    EXPECT_EQ(RunCad(project, "/cad2:21"), 0);  // the mode word in any letter case
    EXPECT_NE(test::Slurp(folder + "welle.igs").find("S0000002G"), std::string::npos);
    EXPECT_EQ(RunCad(project, "/CAD6:34"), 0);
    EXPECT_NE(test::Slurp(folder + "welle.svg").find("</svg>"), std::string::npos);
}

TEST(CadBatchRun, UnknownDrawingsAndMissingProjectsExitWithOne) {
    const std::string folder = test::MakeTempFolder();
    const std::string project = folder + "welle.bxr";
    test::WriteFile(project, test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr"));
    EXPECT_EQ(RunCad(project, "/CAD1:99"), 1);
    EXPECT_EQ(RunCad(project, "/CAD7:1"), 1);
    EXPECT_EQ(RunCad(folder + "fehlt.bxr", "/CAD1:1"), 1);
}

// (group code, value) pairs of a DXF text.
std::vector<std::pair<int, std::string>> DxfPairs(const std::string& dxf) {
    const auto lines = test::Lines(dxf);
    std::vector<std::pair<int, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        pairs.emplace_back(std::stoi(lines[i]), lines[i + 1]);
    return pairs;
}

// The LAYER table without the numbered layers 16..31: name -> colour.
std::map<std::string, std::string> LayerTable(const std::string& dxf) {
    const auto pairs = DxfPairs(dxf);
    std::map<std::string, std::string> layers;
    for (std::size_t i = 0; i + 2 < pairs.size(); ++i)
        if (pairs[i] == std::make_pair(0, std::string("LAYER")) && pairs[i + 1].first == 2)
            for (std::size_t j = i + 2; j < pairs.size() && pairs[j].first != 0; ++j)
                if (pairs[j].first == 62) layers[pairs[i + 1].second] = pairs[j].second;
    for (int n = 16; n < 32; ++n) layers.erase(std::to_string(n));
    return layers;
}

// The value of `code` in the first TEXT entity.
double FirstTextValue(const std::string& dxf, int code) {
    const auto pairs = DxfPairs(dxf);
    bool entities = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].first == 2 && pairs[i].second == "ENTITIES") entities = true;
        if (!entities || pairs[i] != std::make_pair(0, std::string("TEXT"))) continue;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j)
            if (pairs[j].first == code) return std::stod(pairs[j].second);
    }
    return -1;
}

// The colour numbers (field 3 of every second Directory Entry line) of an IGES file.
std::set<int> IgesColours(const std::string& iges) {
    std::set<int> colours;
    for (const auto& l : test::Lines(iges))
        if (l.size() == 80 && l[72] == 'D' && std::stoi(l.substr(73)) % 2 == 0)
            colours.insert(std::stoi(l.substr(16, 8)));
    return colours;
}

TEST(CadBatchRun, DrawingsFollowTheLayersColoursAndTextsOfTheConfiguration) {
    const std::string plain = test::MakeTempFolder();
    const std::string configured = test::MakeTempFolder();
    const std::string example = test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr");
    test::WriteFile(plain + "welle.bxr", example);
    test::WriteFile(configured + "welle.bxr", example);
    Configuration c;
    const char* names[] = {"A", "B", "C", "D", "E"};
    for (int i = 0; i < 5; ++i) c.layers[static_cast<std::size_t>(i)] = {names[i], 9 + i};
    c.cadTextWidthFactor = 1.5;
    c.cadTextAngle = 15;
    test::WriteFile(configured + "bxr.cfg", ConfigurationText(c));

    for (const std::string& folder : {plain, configured}) {
        ASSERT_EQ(RunCad(folder + "welle.bxr", "/CAD1:6", folder), 0) << folder;
        ASSERT_EQ(RunCad(folder + "welle.bxr", "/CAD2:6", folder), 0) << folder;
    }
    const std::string dxfPlain = test::Slurp(plain + "welle.dxf");
    const std::string dxfConfigured = test::Slurp(configured + "welle.dxf");
    // Without a configuration: layers "1".."5" in 2, 2, 2, 3, 1 and the font TXT8.
    const std::map<std::string, std::string> defaults{
        {"0", "1"}, {"1", "2"}, {"2", "2"}, {"3", "2"}, {"4", "3"}, {"5", "1"}};
    EXPECT_EQ(LayerTable(dxfPlain), defaults);
    EXPECT_NE(dxfPlain.find("\r\n  3\r\nTXT8\r\n"), std::string::npos);
    // The file's five layers are those of pens 1..5.
    const std::map<std::string, std::string> named{
        {"0", "1"}, {"A", "9"}, {"B", "10"}, {"C", "11"}, {"D", "12"}, {"E", "13"}};
    EXPECT_EQ(LayerTable(dxfConfigured), named);
    // The width factor multiplies each text's own, the angle slants it.
    EXPECT_NEAR(FirstTextValue(dxfConfigured, 41), 1.5 * FirstTextValue(dxfPlain, 41), 1e-4);
    EXPECT_NEAR(FirstTextValue(dxfPlain, 51), 0, 1e-9);
    EXPECT_NEAR(FirstTextValue(dxfConfigured, 51), 15, 1e-9);
    // IGES: drawing colours 9..13 are IGES colours 10..14, never the default colour.
    const std::set<int> igesColours = IgesColours(test::Slurp(configured + "welle.igs"));
    EXPECT_FALSE(igesColours.empty());
    for (int colour : igesColours)
        EXPECT_TRUE(colour == 0 || colour == 2 || (colour >= 10 && colour <= 14)) << colour;
    EXPECT_TRUE(igesColours.count(10) + igesColours.count(11) + igesColours.count(14) > 0);
    // Nothing was left in the working folder but what was there and the drawings.
    EXPECT_EQ(test::Slurp(configured + "bxr.cfg"), ConfigurationText(c));
}

TEST(CadBatchRun, TheThreeDViewKeepsTheBodyInSpace) {
    // The gear shaft: a round section of radius 22.5 mm, 400 mm long.
    const std::string folder = test::MakeTempFolder();
    const std::string project = folder + "welle.bxr";
    test::WriteFile(project, test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr"));
    ASSERT_EQ(RunCad(project, "/CAD1:5", folder), 0);
    const auto pairs = DxfPairs(test::Slurp(folder + "welle.dxf"));
    int axial = 0;
    double zmin = 0, zmax = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i] != std::make_pair(0, std::string("LINE"))) continue;
        std::map<int, double> g;
        std::string layer;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j)
            if (pairs[j].first == 8)
                layer = pairs[j].second;
            else
                g[pairs[j].first] = std::stod(pairs[j].second);
        if (layer != "5") continue;
        ASSERT_TRUE(g.count(30) && g.count(31));  // every body line in space
        zmin = std::min({zmin, g[30], g[31]});
        zmax = std::max({zmax, g[30], g[31]});
        if (std::abs(g[10] - 400) > 1e-6 || std::abs(g[11]) > 1e-6) continue;
        ++axial;  // from x = L back to x = 0 along a point of the outline
        EXPECT_NEAR(std::hypot(g[20], g[30]), 22.5, 1e-2);  // the file's arcs have 3 decimals
        EXPECT_NEAR(g[20], g[21], 1e-9);
        EXPECT_NEAR(g[30], g[31], 1e-9);
    }
    EXPECT_GT(axial, 8);
    EXPECT_NEAR(zmin, -22.5, 0.5);
    EXPECT_NEAR(zmax, 22.5, 0.5);
    ASSERT_EQ(RunCad(project, "/CAD5:5", folder), 0);
    EXPECT_NE(test::Slurp(folder + "welle.txt").find("3D_LINE\t400."), std::string::npos);
}

}  // namespace
}  // namespace bxr
