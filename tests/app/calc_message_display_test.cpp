#include "app/calc_message_display.h"

#include <gtest/gtest.h>

#include "format/code_page.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Answer;
using test::FormScript;
using test::ScriptedUi;

const char* kFile =
    "Fatal  : A = 0 !\r\nUrsache A\r\nAbhilfe A\r\n"
    "Warnung: Knickung !\r\nUrsache K\r\nAbhilfe K\r\n";

struct MessageSetup {
    Workspace ws;
    ScriptedUi ui;
    std::string help = test::MakeTempFolder();
    std::string temp = test::MakeTempFolder();
    MessageSetup() {
        ws.ui = &ui;
        ws.config.pltFolder = help;
        ws.config.tempFolder = temp;
        test::WriteFile(help + "bxr.err", kFile);
        ws.messages.Add("Fatal  : A = 0 !");
        ws.messages.Add("Warnung: Knickung !");
    }
};

FormScript PressOk() {
    return [](FormModel& f) { f.Press("Button_ok"); };
}

TEST(CalcMessageDisplay, NothingIsShownInABatchRunWithoutGui) {
    MessageSetup s;
    ShowCalcMessages(s.ws, true, DiskFileSystem());
    EXPECT_TRUE(s.ui.shown.empty());
}

TEST(CalcMessageDisplay, ACleanCalculationSaysSo) {
    MessageSetup s;
    s.ws.messages.Clear();
    ShowCalcMessages(s.ws, false, DiskFileSystem());
    EXPECT_EQ(s.ui.messages,
              std::vector<std::string>{"Berechnung erfolgreich ohne Fehlermeldungen"});
}

TEST(CalcMessageDisplay, ListPreselectsByHelpLevelAndMovesOnAfterEachDescription) {
    MessageSetup s;
    s.ws.config.helpLevel = 1;
    s.ui.Push(1);
    s.ui.Push(PressOk());
    s.ui.Push(3);
    ShowCalcMessages(s.ws, false, DiskFileSystem());
    ASSERT_EQ(s.ui.choiceItems.size(), 2u);
    EXPECT_EQ(s.ui.choiceItems[0].back(), "Weiter/zurück..."_oem);
    EXPECT_EQ(s.ui.preselections, (std::vector<int>{3, 2}));
    EXPECT_EQ(s.ui.helpTopics, (std::vector<int>{1210, 1210}));  // F1 each time the list shows
    EXPECT_TRUE(s.ui.Exhausted());

    MessageSetup expert;
    expert.ws.config.helpLevel = 2;
    expert.ui.Push(test::Cancel{});
    ShowCalcMessages(expert.ws, false, DiskFileSystem());
    EXPECT_EQ(expert.ui.preselections, (std::vector<int>{1}));
}

TEST(CalcMessageDisplay, DescriptionWindowShowsMessageCauseAndRemedy) {
    MessageSetup s;
    std::vector<std::string> seen;
    bool messageEditable = true;
    s.ui.Push(FormScript([&](FormModel& f) {
        for (auto& field : f.fields) seen.push_back(field.label + "=" + field.text);
        messageEditable = f.Field("Edit_meldung")->enabled;
        EXPECT_FALSE(f.Press("Button_hilfe"));  // help keeps the window open
        f.Press("Button_ok");
    }));
    ShowMessageDescription(s.ws, "Warnung: Knickung !", DiskFileSystem());
    EXPECT_EQ(seen, (std::vector<std::string>{"Fehlermeldung=Warnung: Knickung !",
                                              "Ursache=Ursache K", "Abhilfe=Abhilfe K"}));
    EXPECT_FALSE(messageEditable);
    EXPECT_TRUE(s.ui.Exhausted());  // unchanged texts: no question about saving
}

TEST(CalcMessageDisplay, AMessageWithoutDescriptionGetsTheNoDescriptionBox) {
    MessageSetup s;
    ShowMessageDescription(s.ws, "Warnung: S w < 1 (0.5)", DiskFileSystem());
    EXPECT_EQ(s.ui.messages,
              std::vector<std::string>{"keine Beschreibung dieser Fehlermeldung vorhanden."});
}

TEST(CalcMessageDisplay, ChangedTextsAreSavedOverTheFileAfterConfirmation) {
    MessageSetup s;
    s.ui.Push(FormScript([](FormModel& f) {
        f.Field("Memo_ursache")->text = "neue Ursache";
        f.Press("Button_ok");
    }));
    s.ui.Push(true);
    ShowMessageDescription(s.ws, "Warnung: Knickung !", DiskFileSystem());
    std::string expected = kFile;
    expected.replace(expected.find("Ursache K"), 9, "neue Ursache");
    EXPECT_EQ(test::Slurp(s.help + "bxr.err"), expected);
    EXPECT_EQ(test::Slurp(s.temp + "bxr.err"), expected);

    // Declining keeps the file as it is.
    s.ui.Push(FormScript([](FormModel& f) {
        f.Field("Memo_abhilfe")->text = "verworfen";
        f.Press("Button_ok");
    }));
    s.ui.Push(false);
    ShowMessageDescription(s.ws, "Warnung: Knickung !", DiskFileSystem());
    EXPECT_EQ(test::Slurp(s.help + "bxr.err"), expected);
}

TEST(CalcMessageDisplay, NothingIsWrittenWhenTempAndHelpFolderAreTheSame) {
    MessageSetup s;
    s.ws.config.tempFolder = s.help;
    s.ui.Push(FormScript([](FormModel& f) {
        f.Field("Memo_ursache")->text = "neu";
        f.Press("Button_ok");
    }));
    s.ui.Push(true);
    ShowMessageDescription(s.ws, "Fatal  : A = 0 !", DiskFileSystem());
    EXPECT_EQ(test::Slurp(s.help + "bxr.err"), kFile);
}

// Every message that the calculation and the section values can produce, as the
// calculation writes it (with a number where it adds one).
TEST(DescriptionFile, DescribesEveryCalculationMessageWithItsOwnText) {
    auto d =
        ErrorDescriptions::Load(DiskFileSystem(), std::string(BXR_SOURCE_DATA_DIR) + "/bxr.err");
    ASSERT_TRUE(d.loaded());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Fatal  : A = 0 !", "Querschnittsfläche"},
        {"Fatal  : I = 0 !", "Hauptflächenmoment"},
        {"Fatal  : > 500 Punkte !", "499"},
        {"Fehler in GetArcCenter (dphi = 6.28 ! ", "360"},
        {"GetArcCenter l12=0", "selben Punkt"},
        {"Error: function tan in Unit math", "Tangens"},
        {"Fehler : keine Geometrie eingegeben !", "Konturpunkte"},
        {"keine Geometrie eingegeben !", "Konturpunkte"},
        {"Gesamtlänge ungültig !", "Trägerlänge"},
        {"Fatal  : Mb > 20", "Biegemomente"},
        {"Fatal  : Fax > 10", "Axialkräfte"},
        {"Fatal  : Fr > 20", "Einzelkräfte"},
        {"Fatal  : q > 50", "Streckenlasten"},
        {"Fatal  : Lager ausserh. Welle !", "außerhalb"},
        {"Fatal  : Lager xa = xb !", "derselben Stelle"},
        {"Fehler : Lager xa > xb !", "vor dem rechten"},
        {"Fatal  : Lagercode !", "unbekannt"},
        {"Fatal  : Lageroxcode !", "X noch O"},
        {"Fatal  : Streckenlast 3: x1=x2", "gleich"},
        {"Streckenlast ausserh. Welle (2) !", "Streckenlast"},
        {"Kraft ausserh. Welle (1) !", "Einzelkraft"},
        {"Axialkraft ausserh. Welle (1) !", "Axialkraft"},
        {"Biegemoment ausserh. Welle (4) !", "Biegemoment"},
        {"Kerbzone ausserh. Welle !", "Kerbzone"},
        {"Fatal  : E-Modul = 0 !", "Elastizitätsmodul"},
        {"Fatal  : G-Modul = 0 !", "Schubmodul"},
        {"Fatal  : Dichte = 0 !", "Dichte"},
        {"Fatal  : eta k = 0 !", "eta k"},
        {"Fehler : ok < 1 !", "Oberflächenkennziffer"},
        {"Fatal  : Fq max !", "Eigengewicht"},
        {"Fehler : Endwert C nicht erreicht", "31"},
        {"Fatal  : Festlager !", "Einspannung"},
        {"Fatal  : X-coordinate A", "Lager A"},
        {"Fatal  : x-coordinate B", "Lager B"},
        {"Fehler : Iteration", "800"},
        {"Warnung: Knickung !", "21 Schritten"},
        {"Warnung: Fr=0 ! (Knickung)", "Querbelastung"},
        {"Warnung: Knickung nur für 2 Lager", "3 bis 5"},
        {"Fehler : f dunkerley", "Dunkerley"},
        {"Fatal  : Kerbcode !", "1 bis 3"},
        {"Warnung: S w < 1 (0.83)", "Zug-/Druck"},
        {"Warnung: S bw < 1 (0.5)", "Biegung"},
        {"Fehler : S vbw < 1 (0.7)", "Vergleichsspannung"},
    };
    for (const auto& [utf8, word] : cases) {
        std::string message = Utf8ToOem(utf8).substr(0, CalcMessages::kCompareLength);
        MessageDescription m = d.Describe(message);
        ASSERT_TRUE(m.found) << utf8;
        EXPECT_NE(m.cause.find(Utf8ToOem(word)), std::string::npos) << utf8;
        EXPECT_FALSE(m.remedy.empty()) << utf8;
    }
}

}  // namespace
}  // namespace bxr
