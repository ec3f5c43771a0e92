#include "report/change_list.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

struct ChangeSetup {
    std::string folder = test::MakeTempFolder();
    Workspace ws;
    ChannelEnvironment env;
    ChangeSetup() {
        env.settings.tempFolder = folder;
        env.settings.lineStyle = 1;
        env.outputFolder = folder;
        auto& doc = ws.documentation;
        doc.drawing.drawn = {"01.02.2026", "Meier"};
        doc.drawing.replacementFor = "ALT-1";
        doc.changeCount = 2;
        doc.changes[1] = {"Lager geändert"_oem, "03.02.2026", "KM", "Lager B nach 900 mm"};
        doc.changes[2] = {"Welle länger"_oem, "04.02.2026", "PS", "L = 1300\r\nzweite Zeile"};
        ws.currentName = "welle";
    }
    std::vector<std::string> Run() {
        OutputChannel out(env);
        out.SetPageHeaders(false);
        EXPECT_TRUE(WriteChangeList(ws, out, kDosFile));
        return test::Lines(test::Slurp(folder + "OUTDOS.TXT"));
    }
};

std::string M(const std::string& utf8) {
    return utf8.empty() ? "" : "       " + Utf8ToOem(utf8);
}

TEST(ChangeList, ListsCreationReplacementAndEveryChangeInFixedColumns) {
    ChangeSetup s;
    s.ws.config.changeIndexStyle = 1;
    auto lines = s.Run();
    const std::string rule = M(std::string(70, '-'));
    const std::vector<std::string> expected = {
        "",
        M("Erstellungsdatum: 01.02.2026     Erstellt von: Meier"),
        "",
        M("Ersatz für: ALT-1          "),
        "",
        M("Index   Datum        Bearb.   Änderung            "),
        rule,
        M("  1     03.02.2026   KM       Lager geändert      "),
        M(" Lager B nach 900 mm"),
        rule,
        M("  2     04.02.2026   PS       Welle länger        "),
        M(" L = 1300"),
        M(" zweite Zeile"),
        rule,
    };
    EXPECT_EQ(lines, expected);
}

TEST(ChangeList, EveryStyleOtherThanNumbersUsesLowercaseLetters) {
    for (int style : {0, 2, 3}) {
        ChangeSetup s;
        s.ws.config.changeIndexStyle = style;
        s.ws.documentation.drawing.replacementFor.clear();
        auto lines = s.Run();
        ASSERT_EQ(lines.size(), 12u) << style;
        EXPECT_EQ(lines[5].substr(0, 11), M("  a ")) << style;
        EXPECT_EQ(lines[8].substr(0, 11), M("  b ")) << style;
    }
    EXPECT_EQ(ChangeIndexText(0, 25), "y");
    EXPECT_EQ(ChangeIndexText(1, 25), "25");
}

TEST(ChangeList, AnEmptyLogStillShowsItsHeading) {
    ChangeSetup s;
    s.ws.documentation.changeCount = 0;
    s.ws.documentation.drawing.replacementFor.clear();
    s.ws.documentation.drawing.replacedBy = "NEU-2";
    auto lines = s.Run();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], M("Ersetzt durch: NEU-2          "));
    EXPECT_EQ(lines[5].substr(7, 5), "Index");
}

}  // namespace
}  // namespace bxr
