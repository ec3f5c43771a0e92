#include "app/command_line.h"

#include <gtest/gtest.h>

namespace bxr {
namespace {

using Form = CommandLine::Form;

TEST(CommandLine, TheSecondParameterSelectsTheForm) {
    EXPECT_EQ(ParseCommandLine({}).form, Form::Window);
    EXPECT_EQ(ParseCommandLine({"?"}).form, Form::Usage);
    EXPECT_EQ(ParseCommandLine({"/?"}).form, Form::Usage);
    EXPECT_EQ(ParseCommandLine({"a.bxr"}).form, Form::Plain);
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/I"}).form, Form::Report);
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/i"}).form, Form::Report);
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/E"}).form, Form::Edit);
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/e"}).form, Form::Edit);
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/G"}).form, Form::Edit);
    // "/g" is not one of the words: the plain form.
    EXPECT_EQ(ParseCommandLine({"a.bxr", "/g"}).form, Form::Plain);
    // "/NOGUI" in second place is no mode: the plain form, with the switch set.
    CommandLine nogui = ParseCommandLine({"a.bxr", "/NOGUI"});
    EXPECT_EQ(nogui.form, Form::Plain);
    EXPECT_TRUE(nogui.noGui);
    EXPECT_TRUE(ParseCommandLine({"a.bxr", "/I", "/nogui"}).noGui);
    EXPECT_FALSE(ParseCommandLine({"a.bxr", "/I"}).noGui);
}

TEST(CommandLine, CadModeIsRecognisedByItsFirstFourCharactersInAnyCase) {
    CommandLine lower = ParseCommandLine({"a.bxr", "/cad1:2"});
    EXPECT_EQ(lower.form, Form::Cad);
    EXPECT_EQ(lower.cadType, 1);
    EXPECT_EQ(lower.cadIndex, 2);
    CommandLine iges = ParseCommandLine({"a.bxr", "/CaD2:13", "/NOGUI"});
    EXPECT_EQ(iges.cadType, 2);
    EXPECT_EQ(iges.cadIndex, 13);
    EXPECT_TRUE(iges.noGui);
}

TEST(CommandLine, UsageScreenNamesEveryFormThenTheFolderForm) {
    auto lines = UsageLines();
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[2], "wbxr Filename [/I] [/CADi:j] [/NOGUI]");
    EXPECT_EQ(lines[14], "/PDF [/SMIN:x] -> PDF calculation document, required safety x");
    EXPECT_EQ(lines[23], "Example: wbxr test.edi /E /NOGUI   ->  test.edi");
    EXPECT_EQ(lines[24], "");
    EXPECT_EQ(lines[25].rfind("Example: wbxr projekte /I", 0), 0u) << lines[25];
}

}  // namespace
}  // namespace bxr
