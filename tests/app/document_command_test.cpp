// The window's calculation document command: the required safety asked for and kept, the
// document handed to the preview, and saving with the questions about an existing file.
#include "app/document_command.h"

#include <gtest/gtest.h>

#include "model/project_file.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr::test {
namespace {

class PreviewShell : public Shell {
  public:
    void Refresh() override {}
    void CloseWindow() override {}
    void PrintDrawing() override {}
    void ExportDrawing() override {}
    void PreviewCalcDocument(const CalcDocument& doc) override { previewed.push_back(doc); }
    std::vector<CalcDocument> previewed;
};

struct Fixture {
    explicit Fixture(std::vector<Answer> answers) : ui(std::move(answers)) {
        auto text =
            DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/konsole.bxr", 1 << 20);
        EXPECT_TRUE(text && ReadProjectText(*text, s.ws.model, s.ws.documentation).Ok());
        s.ws.ui = &ui;
        s.ws.currentName = "/p/konsole";  // as the window keeps it
        s.ws.dataFolder = "/p";
        s.ws.config.tempFolder = "/tmp";
        s.files = &fs;
        s.shell = &shell;
    }
    ScriptedUi ui;
    MemoryFileSystem fs;
    PreviewShell shell;
    Session s;
};

TEST(document_command_test, asks_the_required_safety_and_offers_it_again) {
    Fixture f({std::string("2.5"), std::string("2.5"), Cancel{}});
    CalcDocumentCommand(f.s);
    ASSERT_EQ(f.shell.previewed.size(), 1u);
    EXPECT_NEAR(static_cast<double>(f.shell.previewed[0].requiredSafety), 2.5, 1e-12);
    EXPECT_FALSE(f.shell.previewed[0].report.empty());
    // Offered again the next time.
    CalcDocumentCommand(f.s);
    ASSERT_EQ(f.shell.previewed.size(), 2u);
    EXPECT_NEAR(static_cast<double>(f.shell.previewed[1].requiredSafety), 2.5, 1e-12);
    // Cancelled: no document and the abort flag.
    CalcDocumentCommand(f.s);
    EXPECT_EQ(f.shell.previewed.size(), 2u);
    EXPECT_TRUE(f.s.ws.abortFlag);
    ASSERT_EQ(f.ui.offered.size(), 3u);
    EXPECT_EQ(f.ui.offered[0], "1.5");
    EXPECT_EQ(f.ui.offered[1], "2.5");
}

TEST(document_command_test, saving_replaces_an_existing_file_only_when_agreed) {
    const struct {
        const char* name;
        bool exists;
        std::vector<Answer> answers;
        bool writerSucceeds;
        bool saved;
    } cases[] = {
        {"new file", false, {std::string("/p/a.pdf")}, true, true},
        {"file dialog cancelled", false, {Cancel{}}, true, false},
        {"existing, replace", true, {std::string("/p/a.pdf"), true}, true, true},
        {"existing, keep", true, {std::string("/p/a.pdf"), false}, true, false},
        {"writer fails", false, {std::string("/p/a.pdf")}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.answers);
        if (c.exists) f.fs.files["/p/a.pdf"] = "old";
        int writes = 0;
        const bool saved = SaveCalcDocument(f.s, [&](const std::string& path, std::string& m) {
            ++writes;
            EXPECT_EQ(path, "/p/a.pdf");
            m = "Platte voll";
            return c.writerSucceeds;
        });
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(writes, c.saved || !c.writerSucceeds ? 1 : 0);
        EXPECT_TRUE(f.ui.Exhausted());
        EXPECT_EQ(f.ui.messages.size(), c.writerSucceeds ? 0u : 1u);
        EXPECT_EQ(f.ui.offered[0], "/p/konsole.pdf");
    }
}

}  // namespace
}  // namespace bxr::test
