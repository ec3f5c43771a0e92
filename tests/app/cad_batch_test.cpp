#include "app/cad_batch.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../graphics/graphics_test_support.h"
#include "model/project_file.h"

namespace bxr::test {
namespace {
using namespace gfx;

bool ReadExample(Workspace& ws, const std::string& name) {
    auto text = DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/" + name, 1 << 20);
    return text && ReadProjectText(*text, ws.model, ws.documentation).Ok();
}

TEST(CadBatch, WritesEachDrawingBesideTheProjectWithTheKindsExtension) {
    struct Case {
        int type, index;
        std::string file;
    };
    const Case cases[] = {{1, 1, "/p/konsole.dxf"},  {2, 6, "/p/konsole.igs"},
                          {5, 3, "/p/konsole.txt"},  {6, 21, "/p/konsole.svg"},
                          {1, 34, "/p/konsole.dxf"}, {1, 2, "/p/konsole.dxf"},
                          {2, 4, "/p/konsole.igs"},  {6, 5, "/p/konsole.svg"}};
    for (const Case& c : cases) {
        Workspace ws;
        ASSERT_TRUE(ReadExample(ws, "konsole.bxr"));
        MemoryFileSystem fs;
        std::ostringstream err;
        EXPECT_EQ(RunCadBatch(ws, "/p/konsole.bxr", c.type, c.index, fs, err), 0)
            << c.type << ":" << c.index << " " << err.str();
        ASSERT_EQ(fs.files.count(c.file), 1u) << c.file;
        EXPECT_FALSE(fs.files[c.file].empty());
    }
}

TEST(CadBatch, UnknownKindsDrawingsAndFailedWritesExitWithOne) {
    Workspace ws;
    ASSERT_TRUE(ReadExample(ws, "konsole.bxr"));
    MemoryFileSystem fs;
    std::ostringstream err;
    EXPECT_EQ(RunCadBatch(ws, "/p/konsole.bxr", 3, 1, fs, err), 1);  // 3 is the window
    EXPECT_EQ(RunCadBatch(ws, "/p/konsole.bxr", 1, 99, fs, err), 1);
    EXPECT_EQ(RunCadBatch(ws, "/p/konsole.bxr", 1, 66, fs, err), 1);  // kind 6 does not exist
    EXPECT_TRUE(fs.files.empty());
    fs.failWrites = true;
    err.str("");
    EXPECT_EQ(RunCadBatch(ws, "/p/konsole.bxr", 1, 1, fs, err), 1);
    EXPECT_NE(err.str().find("konsole.dxf"), std::string::npos);
}

TEST(CadBatch, DrawingNumbers) {
    EXPECT_TRUE(IsDrawingJob(21));   // bending moment, x-y
    EXPECT_TRUE(IsDrawingJob(34));   // deflection, stacked
    EXPECT_TRUE(IsDrawingJob(71));   // tension/compression
    EXPECT_FALSE(IsDrawingJob(61));  // no kind 6
    EXPECT_FALSE(IsDrawingJob(25));  // no plane 5
    EXPECT_EQ(CadBatchKind(6), static_cast<int>(CadOutput::Svg));
    EXPECT_EQ(CadBatchKind(4), 0);
}

}  // namespace
}  // namespace bxr::test
