#include "app/dxf_import.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"
#include "workspace/workspace.h"

namespace bxr::test {
namespace {

// A closed polyline 30 x 20 on layer KONTUR and a dimension line on layer MASSE.
const char* const kTwoLayers =
    "  0\nSECTION\n  2\nENTITIES\n"
    "  0\nLWPOLYLINE\n  8\nKONTUR\n 90\n4\n 70\n1\n"
    " 10\n0\n 20\n0\n 10\n30\n 20\n0\n 10\n30\n 20\n20\n 10\n0\n 20\n20\n"
    "  0\nLINE\n  8\nMASSE\n 10\n0\n 20\n-5\n 11\n30\n 21\n-5\n"
    "  0\nENDSEC\n  0\nEOF\n";

struct Fixture {
    ScriptedUi ui;
    Workspace ws;
    MemoryFileSystem fs;
    Fixture() {
        ws.ui = &ui;
        ws.dataFolder = "/p";
        fs.files["/p/profil.dxf"] = kTwoLayers;
        ws.model.contourCount = 3;  // a round bar typed in before
        ws.model.contour[1] = {10, 0, 3.14159L};
        ws.model.contour[2] = {-10, 0, 3.14159L};
        ws.model.contour[3] = {10, 0, 0};
    }
};

TEST(ImportDxfCommand, TheChosenLayerBecomesTheContour) {
    Fixture f;
    f.ui = ScriptedUi({std::string("/p/profil.dxf"), 2});
    ASSERT_TRUE(ImportDxfCommand(f.ws, f.fs));
    EXPECT_EQ(f.ui.choiceItems[0], (std::vector<std::string>{"alle Layer", "KONTUR", "MASSE"}));
    const BeamModel& m = f.ws.model;
    ASSERT_EQ(m.contourCount, 4);
    EXPECT_EQ(m.contour[3].y, 30);
    EXPECT_EQ(m.contour[3].z, 20);
    EXPECT_EQ(m.contour[1].arcAngle, 0);
    EXPECT_TRUE(m.modified);
    EXPECT_FALSE(f.ws.abortFlag);
}

TEST(ImportDxfCommand, AnUnusableDrawingIsShownAndChangesNothing) {
    struct Case {
        std::vector<Answer> answers;
        const char* message;  // empty: nothing shown
    };
    const std::vector<Case> cases = {
        {{std::string("/p/profil.dxf"), 1}, "Kontur offen bei y = 30, z = -5"},
        {{std::string("/p/fehlt.dxf")}, "Datei \"/p/fehlt.dxf\" kann nicht gelesen werden !"},
        {{Cancel{}}, ""},
        {{std::string("/p/profil.dxf"), Cancel{}}, ""},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.ui = ScriptedUi(c.answers);
        const BeamModel before = f.ws.model;
        EXPECT_FALSE(ImportDxfCommand(f.ws, f.fs)) << c.message;
        EXPECT_TRUE(f.ws.abortFlag);
        EXPECT_EQ(f.ws.model.contourCount, before.contourCount);
        EXPECT_EQ(f.ws.model.contour[1].arcAngle, before.contour[1].arcAngle);
        EXPECT_FALSE(f.ws.model.modified);
        if (*c.message)
            EXPECT_EQ(f.ui.messages, (std::vector<std::string>{c.message}));
        else
            EXPECT_TRUE(f.ui.messages.empty());
    }
}

}  // namespace
}  // namespace bxr::test
