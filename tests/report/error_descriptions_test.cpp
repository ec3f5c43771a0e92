#include "report/error_descriptions.h"

#include <gtest/gtest.h>

#include "support/output_test_support.h"

namespace bxr {
namespace {

const char* kFile =
    "Fatal  : A = 0 !\r\n"
    "Die Fläche ist null.\r\n"
    "Kontur prüfen.\r\n"
    "Fatal  : Lager A ausserhalb\r\n"
    "Ursache A\r\n"
    "Abhilfe A\r\n"
    "Fatal  : Lager B ausserhalb\r\n"
    "Ursache B\r\n"
    "Abhilfe B\r\n";

TEST(ErrorDescriptions, MessagesAreFoundByTheirFirst14Characters) {
    auto d = ErrorDescriptions::Parse(kFile);
    // The calculation cuts messages to 36 characters; anything after the 14th may differ.
    auto a = d.Describe("Fatal  : A = 0 ! (Kontur 2)");
    EXPECT_TRUE(a.found);
    EXPECT_EQ(a.cause, "Die Fläche ist null.");
    EXPECT_EQ(a.remedy, "Kontur prüfen.");
    EXPECT_FALSE(d.Describe("Fatal  : A = ").found);     // only 13 characters agree
    EXPECT_FALSE(d.Describe("fatal  : A = 0 !").found);  // compared exactly
}

TEST(ErrorDescriptions, AmongEqualKeysTheLongestAgreementWins) {
    auto d = ErrorDescriptions::Parse(kFile);
    EXPECT_EQ(d.Describe("Fatal  : Lager B ausserhalb").cause, "Ursache B");
    EXPECT_EQ(d.Describe("Fatal  : Lager A ausserhalb").cause, "Ursache A");
    // A key-only match still finds a description.
    EXPECT_TRUE(d.Describe("Fatal  : Lager X").found);
}

TEST(ErrorDescriptions, ReportTextsForMissingFileAndMissingMessage) {
    auto none = ErrorDescriptions::Load(DiskFileSystem(), test::MakeTempFolder() + "bxr.err");
    EXPECT_FALSE(none.loaded());
    auto r = none.ForReport("Fatal  : A = 0 !");
    EXPECT_EQ(r.cause, "");
    EXPECT_EQ(r.remedy, "");
    auto d = ErrorDescriptions::Parse(kFile);
    auto m = d.ForReport("Warnung: unbekannt");
    EXPECT_EQ(m.cause, "keine Beschreibung dieser Fehlermeldung vorhanden.");
    EXPECT_EQ(m.remedy, "");
}

TEST(ErrorDescriptions, ReplaceChangesOnlyTheTwoLinesAfterTheMessage) {
    auto d = ErrorDescriptions::Parse(kFile);
    EXPECT_TRUE(d.Replace("Fatal  : Lager B ausserhalb", "neu U", "neu A"));
    EXPECT_FALSE(d.Replace("Warnung: unbekannt", "x", "y"));
    std::string expected = kFile;
    expected.replace(expected.find("Ursache B"), 9, "neu U");
    expected.replace(expected.find("Abhilfe B"), 9, "neu A");
    EXPECT_EQ(d.Serialize(), expected);
}

}  // namespace
}  // namespace bxr
