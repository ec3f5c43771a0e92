// The list editors, their entry dialogs, the length and support prompts and the contour
// editor, driven through the scripted Ui.
#include "app/beam_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "app/edit_commands.h"
#include "app/list_editor.h"
#include "format/code_page.h"
#include "support/form_scripts.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"
#include "workspace/workspace.h"

namespace bxr {
namespace {

using test::Cancel;
using test::Fill;
using test::FormScript;
using test::PressButton;

constexpr const char* kList = ListEditorForm::kList;

struct Fixture {
    Workspace ws;
    test::ScriptedUi ui;
    test::MemoryFileSystem fs;
    EditSession session;
    Fixture() { ws.ui = &ui; }
};

FormScript List(int line, const char* button) {
    return test::Pick(kList, line, button);
}

// Records the lines and the preselection the list dialog showed, then presses the button.
FormScript ListSeen(std::vector<std::string>& lines, int& preselected, const char* button) {
    return [&lines, &preselected, button](FormModel& f) {
        lines = f.Field(kList)->items;
        preselected = f.Field(kList)->index;
        f.Press(button);
    };
}

// One list of the model with what the editors need to know about it.
struct ListCase {
    const char* name;
    int capacity;
    const char* overflowNew;
    const char* overflowInsert;
    std::function<void(BeamModel&, int)> setCount;
    std::function<int(const BeamModel&)> count;
    std::function<bool(Fixture&)> command;
};

const ListCase kLists[] = {
    {"point forces", 20, "Zu viele Kräfte!", "Zu viele Kräfte!",
     [](BeamModel& m, int n) { m.pointLoadCount = n; },
     [](const BeamModel& m) { return int(m.pointLoadCount); },
     [](Fixture& f) { return EditPointLoadsCommand(f.ws, f.session, f.fs); }},
    {"distributed loads", 50, "Zu viele Strckenlasten !", "Zu viele Strckenlasten!",
     [](BeamModel& m, int n) { m.distributedLoadCount = n; },
     [](const BeamModel& m) { return int(m.distributedLoadCount); },
     [](Fixture& f) { return EditDistributedLoadsCommand(f.ws, f.session, f.fs); }},
    {"moments", 20, "Zu viele Biegemomente !", "Zu viele Biegemomente!",
     [](BeamModel& m, int n) { m.momentLoadCount = n; },
     [](const BeamModel& m) { return int(m.momentLoadCount); },
     [](Fixture& f) { return EditMomentsCommand(f.ws, f.session, f.fs); }},
    {"axial forces", 10, "Zu viele Axialkräfte!", "Zu viele Axialkräfte!",
     [](BeamModel& m, int n) { m.axialLoadCount = n; },
     [](const BeamModel& m) { return int(m.axialLoadCount); },
     [](Fixture& f) { return EditAxialLoadsCommand(f.ws, f.session, f.fs); }},
    {"contour points", 200, "zu viele Punkte !", "zu viele Punkte !",
     [](BeamModel& m, int n) { m.contourCount = static_cast<std::uint16_t>(n); },
     [](const BeamModel& m) { return int(m.contourCount); },
     [](Fixture& f) { return EditGeometryCommand(f.ws, f.session, f.fs); }},
    {"notch zones", 20, "Zu viele Kerbzonen !", "Zu viele Kerbzonen !",
     [](BeamModel& m, int n) { m.notchZoneCount = n; },
     [](const BeamModel& m) { return int(m.notchZoneCount); },
     [](Fixture& f) { return EditNotchZonesCommand(f.ws, f.session, f.fs); }},
    {"shaft sections", 30, "Zu viele Wellenabschnitte !", "Zu viele Wellenabschnitte !",
     [](BeamModel& m, int n) { m.shaftSectionCount = n; },
     [](const BeamModel& m) { return int(m.shaftSectionCount); },
     [](Fixture& f) { return EditShaftSectionsCommand(f.ws, f.session, f.fs); }},
};

TEST(ListEditor, AFullListRefusesNewAndInsertWithItsMessageAndKeepsItsCount) {
    for (const ListCase& c : kLists) {
        for (const char* button : {"Button_new", "Button_insert"}) {
            Fixture f;
            f.ws.config.helpLevel = 0;
            c.setCount(f.ws.model, c.capacity);
            f.ui.Push(List(1, button));
            EXPECT_FALSE(c.command(f)) << c.name;
            EXPECT_EQ(c.count(f.ws.model), c.capacity) << c.name;
            ASSERT_EQ(f.ui.messages.size(), 1u) << c.name << " " << button;
            const std::string expected =
                Utf8ToOem(std::string(button) == "Button_new" ? c.overflowNew : c.overflowInsert);
            EXPECT_EQ(f.ui.messages[0], expected) << c.name;
            EXPECT_TRUE(f.ws.abortFlag);
            EXPECT_FALSE(f.ws.model.modified) << c.name;
            EXPECT_TRUE(f.ui.Exhausted());
        }
    }
}

TEST(ListEditor, TwentiethForceIsTakenAndTheTwentyFirstRefused) {
    Fixture f;
    f.ws.model.pointLoadCount = 19;
    f.ui.Push(List(0, "Button_new"));
    f.ui.Push(Fill({{"Edit_f", "100"}, {"Edit_x", "50"}}));
    f.ui.Push(List(0, "Button_new"));
    EXPECT_FALSE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_EQ(f.ws.model.pointLoadCount, 20);
    EXPECT_EQ(f.ws.model.pointLoads[20].f, 100);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Zu viele Kräfte!"_oem});
    // The stored twentieth force stays and counts as a change although the editor ended
    // with the overflow.
    EXPECT_TRUE(f.ws.model.modified);
}

TEST(ListEditor, InsertWithoutSelectionAsksBeforeWhichEntryAndDuplicatesIt) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.pointLoadCount = 3;
    m.pointLoads[1] = {100, 10, 0, "a"};
    m.pointLoads[2] = {200, 20, 90, "b"};
    m.pointLoads[3] = {300, 30, 180, "c"};
    std::string captionSeen, forceSeen;
    f.ui.Push(List(0, "Button_insert"));
    f.ui.Push(2);
    f.ui.Push(FormScript([&](FormModel& form) {
        captionSeen = form.caption;
        forceSeen = form.Field("Edit_f")->text;
        form.Press("Button_ok");
    }));
    f.ui.Push(List(0, "Button_ok"));
    EXPECT_TRUE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    ASSERT_EQ(f.ui.shown.size(), 4u);
    EXPECT_EQ(f.ui.shown[1], "Vor welche Kraft soll eingefügt werden?"_oem);
    EXPECT_EQ(f.ui.choiceItems[0].size(), 3u);
    EXPECT_EQ(f.ui.helpTopics.front(), 5410);
    EXPECT_EQ(captionSeen, "Querkraft 2");
    EXPECT_EQ(forceSeen, "200");
    ASSERT_EQ(m.pointLoadCount, 4);
    EXPECT_EQ(m.pointLoads[2].f, 200);
    EXPECT_EQ(m.pointLoads[3].f, 200);
    EXPECT_EQ(m.pointLoads[3].label, "b");
    EXPECT_EQ(m.pointLoads[4].label, "c");
    EXPECT_TRUE(m.modified);
}

TEST(ListEditor, DeletingTheOnlyEntryEmptiesTheListAndNewShowsItsValues) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.axialLoadCount = 1;
    m.axialLoads[1] = {-1450, 160, "Fa Rad"};
    std::vector<std::string> linesAfterDelete;
    int preselected = 0;
    std::string fx, x, label;
    f.ui.Push(List(1, "Button_delete"));
    f.ui.Push(ListSeen(linesAfterDelete, preselected, "Button_new"));
    f.ui.Push(FormScript([&](FormModel& form) {
        fx = form.Field("Edit_fx")->text;
        x = form.Field("Edit_x")->text;
        label = form.Field("Edit_label")->text;
        form.Press("Button_cancel");
    }));
    EXPECT_FALSE(EditAxialLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_TRUE(linesAfterDelete.empty());
    EXPECT_EQ(preselected, -1);
    EXPECT_EQ(fx, "-1450");
    EXPECT_EQ(x, "160");
    EXPECT_EQ(label, "Fa Rad");
    // The cancelled New leaves no entry behind: the list stays empty.
    EXPECT_EQ(m.axialLoadCount, 0);
    EXPECT_TRUE(m.modified);
}

TEST(ListEditor, ChangeEditsTheSelectedLineAndTheNextDisplayPreselectsIt) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.distributedLoadCount = 2;
    m.distributedLoads[1] = {1234.5L, 0, 100, 0, "abcdefghij"};
    m.distributedLoads[2] = {1, 0, 100, 0, "q"};
    std::vector<std::string> lines;
    int preselected = -2;
    // A double click presses the list's activate button.
    f.ui.Push(FormScript([](FormModel& form) {
        form.Field(kList)->index = 1;
        form.Press(form.Field(kList)->activate);
    }));
    f.ui.Push(Fill({{"Edit_q", "2,5"}, {"Edit_x2", "120"}}));
    f.ui.Push(ListSeen(lines, preselected, "Button_ok"));
    EXPECT_TRUE(EditDistributedLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_EQ(m.distributedLoads[2].q, 2.5L);
    EXPECT_EQ(m.distributedLoads[2].x2, 120);
    EXPECT_EQ(preselected, 1);
    EXPECT_EQ(f.session.lastSelected.distributedLoads, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "Q 2=  2.50 N/mm   x1=   0.0   x2= 120.0   w=  0 \xF8    (q)");
    // A load wider than its field and a full label pass 65 characters: the bracket is cut.
    EXPECT_EQ(lines[0], "Q 1=1234.50 N/mm   x1=   0.0   x2= 100.0   w=  0 \xF8    (abcdefghij");
    // The view follows each stored entry, and the command redraws at its end.
    EXPECT_EQ(f.ui.redraws, 2);
}

TEST(ShaftSectionInput, EntryLineGapsFilledFromTheRoundContourAndOneUndoTakesAllBack) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.length = 400;
    // A tube 40/20 as the contour: two half circles outside, a slit, two inside.
    const Real pi = std::numbers::pi_v<Real>;
    const ContourPoint tube[] = {{20, 0, pi}, {-20, 0, pi}, {20, 0, 0},
                                 {10, 0, -pi}, {-10, 0, -pi}, {10, 0, 0}};
    m.contourCount = 6;
    for (int i = 0; i < 6; ++i) m.contour[static_cast<std::size_t>(i + 1)] = tube[i];
    m.arcDivision = 3;
    std::vector<std::string> lines;
    int preselected = 0;
    f.ui.Push(List(0, "Button_new"));
    f.ui.Push(FormScript([](FormModel& form) {
        EXPECT_EQ(form.caption, "Wellenabschnitt 1");
        form.Field("Edit_x1")->text = "100";
        form.Field("Edit_x2")->text = "150";
        form.Field("Edit_D")->text = "35";
        form.Press("Button_ok");
    }));
    f.ui.Push(List(1, "Button_transform"));
    f.ui.Push(ListSeen(lines, preselected, "Button_ok"));
    EXPECT_TRUE(EditShaftSectionsCommand(f.ws, f.session, f.fs));
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.messages.front();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Pos.  1:  x= 100.00 .. 150.00 mm   D=  35.000 mm   d=   0.000 mm");
    // The stretches 0..100 and 150..400 get the tube's diameters.
    EXPECT_EQ(m.shaftSections[2].x2, 100);
    EXPECT_EQ(m.shaftSections[3].x1, 150);
    EXPECT_EQ(m.shaftSections[3].x2, 400);
    EXPECT_NEAR(static_cast<double>(m.shaftSections[3].D), 40, 1e-9);
    EXPECT_NEAR(static_cast<double>(m.shaftSections[3].d), 20, 0.05);
    EXPECT_TRUE(UndoCommand(f.ws, f.session));
    EXPECT_EQ(m.shaftSectionCount, 0);
    EXPECT_TRUE(RedoCommand(f.ws, f.session));
    EXPECT_EQ(m.shaftSectionCount, 3);
    // A contour that is not round leaves the gaps.
    m.contour[4] = {10, 5, 0};
    f.ui.Push(List(1, "Button_transform"));
    f.ui.Push(List(0, "Button_ok"));
    f.ui.messages.clear();
    EditShaftSectionsCommand(f.ws, f.session, f.fs);
    EXPECT_EQ(f.ui.messages.front(), "Die Kontur ist nicht rund !");
}

TEST(EntryDialogs, MomentTypedInNewtonMetresIsHeldInNewtonMillimetres) {
    Fixture f;
    std::vector<std::string> lines;
    int preselected = 0;
    f.ui.Push(List(0, "Button_new"));
    f.ui.Push(FormScript([](FormModel& form) {
        EXPECT_EQ(form.caption, "Biegemoment 1");
        EXPECT_EQ(form.Field("Edit_mb")->unit, "Nm");
        form.Field("Edit_mb")->text = "2.5";
        form.Field("Edit_x")->text = "100";
        form.Field("Edit_w")->text = "45";
        form.Press("Button_label");
        form.Press("Button_ok");
    }));
    f.ui.Push(ListSeen(lines, preselected, "Button_ok"));
    EXPECT_TRUE(EditMomentsCommand(f.ws, f.session, f.fs));
    EXPECT_EQ(f.ws.model.momentLoads[1].mb, 2500);
    EXPECT_EQ(f.ws.model.momentLoads[1].label, "M 1");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "M 1 =   2.50 Nm     x= 100.0 mm     w= 45.0 \xF8     (M 1)");
}

TEST(EntryDialogs, SpinButtonsStoreAndMoveWithinTheListAndBadNumbersKeepTheDialogOpen) {
    Fixture f;
    BeamModel& m = f.ws.model;
    m.pointLoadCount = 2;
    m.pointLoads[1] = {1, 1, 0, "eins"};
    m.pointLoads[2] = {2, 2, 0, "zwei"};
    f.ui.Push(List(1, "Button_change"));
    f.ui.Push(FormScript([](FormModel& form) {
        form.Field("Edit_f")->text = "11";
        EXPECT_FALSE(form.Press("Button_down"));  // not below 1
        EXPECT_EQ(form.caption, "Querkraft 1");
        form.Field("Edit_f")->text = "111";
        EXPECT_FALSE(form.Press("Button_up"));
        EXPECT_EQ(form.caption, "Querkraft 2");
        EXPECT_FALSE(form.Press("Button_up"));  // not beyond the count
        EXPECT_EQ(form.caption, "Querkraft 2");
        form.Field("Edit_f")->text = "zwei";
        EXPECT_FALSE(form.Press("Button_ok"));
        EXPECT_EQ(form.message, "Ungültige Eingabe \"zwei\" !"_oem);
        form.Press("Button_cancel");
    }));
    EXPECT_FALSE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_EQ(m.pointLoads[1].f, 111);
    EXPECT_EQ(m.pointLoads[2].f, 2);
    EXPECT_TRUE(m.modified);  // what the spin buttons stored stays
}

TEST(EntryDialogs, InchSwitchKeepsTheTypedValueAndConvertsTheFields) {
    Fixture f;
    f.ws.model.pointLoadCount = 1;
    f.ws.model.pointLoads[1] = {0, 0, 0, ""};
    f.ui.Push(List(1, "Button_change"));
    f.ui.Push(FormScript([](FormModel& form) {
        form.Field("Edit_x")->text = "254";
        form.Press("Button_unit");
        EXPECT_EQ(form.Field("Edit_x")->text, "10.0000");
        EXPECT_EQ(form.Field("Edit_x")->unit, "in");
        form.Field("Edit_x")->text = "20";
        form.Press("Button_ok");
    }));
    f.ui.Push(List(0, "Button_ok"));
    EXPECT_TRUE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_NEAR(static_cast<double>(f.ws.model.pointLoads[1].x), 508, 1e-9);
    EXPECT_EQ(f.ws.config.output.unitSystem, 1);
}

TEST(LengthInput, AcceptsBothLimitsAndRefusesMinusOneWithTheRange) {
    struct Case {
        std::uint16_t units;
        std::vector<const char*> typed;
        Real stored;
        const char* rangeMessage;  // after the first answer, or null
    };
    const Case cases[] = {
        {0, {"0"}, 0, nullptr},
        {0, {"1000000"}, 1000000, nullptr},
        {0, {"-1", "250"}, 250, "Gültiger Wertebereich: 0 .. 1000000 !"},
        {0, {"1000001", "1000000"}, 1000000, "Gültiger Wertebereich: 0 .. 1000000 !"},
        // 1000000 mm are 39370.08 in.
        {1, {"-1", "10"}, 254, "Gültiger Wertebereich: 0 .. 39370 !"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.ws.config.output.unitSystem = c.units;
        f.ws.model.length = 1200;
        for (const char* t : c.typed) f.ui.Push(std::string(t));
        EXPECT_TRUE(EditLengthCommand(f.ws, f.session));
        EXPECT_NEAR(static_cast<double>(f.ws.model.length), static_cast<double>(c.stored), 1e-9);
        EXPECT_EQ(f.ui.shown[0], "Länge des Trägers"_oem);
        EXPECT_EQ(f.ui.offered[0], c.units == 0 ? "1200" : "47.24");
        if (c.rangeMessage) {
            ASSERT_EQ(f.ui.messages.size(), 1u);
            EXPECT_EQ(f.ui.messages[0], Utf8ToOem(c.rangeMessage));
        } else {
            EXPECT_TRUE(f.ui.messages.empty());
        }
        EXPECT_TRUE(f.ws.model.modified);
    }
}

TEST(LengthInput, TheOfferedTextConfirmedKeepsTheExactLengthAndCancelChangesNothing) {
    Fixture f;
    f.ws.model.length = 1234.5678L;
    f.ui.Push(std::string("1235"));  // FormatFree shows three significant places
    EXPECT_TRUE(EditLengthCommand(f.ws, f.session));
    EXPECT_EQ(f.ws.model.length, 1234.5678L);
    EXPECT_FALSE(f.session.undo.CanUndo());  // nothing changed

    Fixture g;
    g.ui.Push(Cancel{});
    EXPECT_FALSE(EditLengthCommand(g.ws, g.session));
    EXPECT_EQ(g.ws.model.length, 1200);
    EXPECT_FALSE(g.ws.model.modified);
    EXPECT_TRUE(g.ws.abortFlag);
    EXPECT_EQ(g.ui.redraws, 0);
}

TEST(SupportInput, HingePositionsTheFirstTwoInMillimetresTheOthersInTheDisplayUnit) {
    Fixture f;
    f.ws.config.output.unitSystem = 1;
    f.ws.model.length = 1000;
    f.ws.model.contourCount = 3;
    for (test::Answer a : std::vector<test::Answer>{5, std::string("40"), std::string("330"),
                                                    std::string("10"), std::string("20")})
        f.ui.Push(a);
    EXPECT_TRUE(EditSupportsCommand(f.ws, f.session));
    const BeamModel& m = f.ws.model;
    EXPECT_EQ(m.supportType, kFourHinges);
    EXPECT_EQ(m.supportX[kSupportA], 40);
    EXPECT_EQ(m.supportX[kSupportB], 330);
    EXPECT_NEAR(static_cast<double>(m.supportX[kSupportC]), 254, 1e-9);
    EXPECT_NEAR(static_cast<double>(m.supportX[kSupportD]), 508, 1e-9);
    const std::vector<std::string> prompts{
        "Lagerungsart", "Festes Gelenklager in xA = ? mm", "Verschiebl. Lager in xB = ? mm",
        "Verschiebl. Lager in xC = ?", "Verschiebl. Lager in xD = ?"};
    EXPECT_EQ(f.ui.shown, prompts);
    EXPECT_EQ(f.ui.choiceItems[0][0], "Feste Einspannung");
    EXPECT_EQ(f.ui.preselections[0], kFixedClamp);
    EXPECT_EQ(f.ui.helpTopics, (std::vector<int>{6100, 6120, 6130, 6130, 6130}));
}

TEST(SupportInput, BearingPairAsksArrangementAnglesAndDiametersWithinTheirRanges) {
    Fixture f;
    f.ws.model.length = 400;
    f.ws.model.contourCount = 3;
    for (test::Answer a : std::vector<test::Answer>{
             3, std::string("40"), std::string("330"), 2, std::string("60"), std::string("15"),
             std::string("0"), std::string("52.5"), std::string("15"), std::string("52.5")})
        f.ui.Push(a);
    EXPECT_TRUE(EditSupportsCommand(f.ws, f.session));
    const BeamModel& m = f.ws.model;
    EXPECT_EQ(m.bearingArrangement, 2);
    EXPECT_EQ(m.contactAngleA, 15);
    EXPECT_EQ(m.racewayDiameterA, 52.5L);
    EXPECT_EQ(m.contactAngleB, 15);
    EXPECT_EQ(m.racewayDiameterB, 52.5L);
    EXPECT_EQ(f.ui.messages,
              (std::vector<std::string>{"Gültiger Wertebereich: 0 .. 50 !"_oem,
                                        "Gültiger Wertebereich: 0.01 .. 10000 !"_oem}));
    EXPECT_EQ(f.ui.shown[4], "Kraftangriffswinkel linkes Lager [\xF8]");
    EXPECT_EQ(f.ui.choiceItems[1], (std::vector<std::string>{"X-Anordnung", "O-Anordnung"}));
}

TEST(SupportInput, CancelKeepsWhatWasEnteredAndAFatalCheckStillCountsAsAChange) {
    Fixture f;
    f.ui.Push(2);
    f.ui.Push(std::string("40"));
    f.ui.Push(Cancel{});
    EXPECT_FALSE(EditSupportsCommand(f.ws, f.session));
    EXPECT_EQ(f.ws.model.supportType, kTwoHinges);
    EXPECT_EQ(f.ws.model.supportX[kSupportA], 40);
    EXPECT_TRUE(f.ws.model.modified);

    // A support beyond the beam: the check shows its message and the input ends stopped.
    Fixture g;
    g.ws.model.length = 400;
    g.ws.model.contourCount = 3;
    for (test::Answer a : std::vector<test::Answer>{2, std::string("40"), std::string("500")})
        g.ui.Push(a);
    EXPECT_FALSE(EditSupportsCommand(g.ws, g.session));
    EXPECT_EQ(g.ws.model.supportX[kSupportB], 500);
    ASSERT_EQ(g.ui.messages.size(), 1u);
    EXPECT_EQ(g.ui.messages[0], "Fatal  : Lager ausserh. Welle !");
}

TEST(ContourEditor, UnsetCoordinatesOpenWithThePreviousPointAndArcsAreTypedInDegrees) {
    Fixture f;
    f.ws.config.helpLevel = 0;
    BeamModel& m = f.ws.model;
    ResetContour(m);
    m.contourCount = 1;
    m.contour[1] = {10, 20, 0};
    std::string y, z, arcLabel;
    f.ui.Push(List(0, "Button_new"));
    f.ui.Push(FormScript([&](FormModel& form) {
        EXPECT_EQ(form.caption, "Koordinaten 2");
        y = form.Field("Edit_y")->text;
        z = form.Field("Edit_z")->text;
        arcLabel = form.Field("Edit_phi")->label;
        form.Field("Edit_phi")->text = "-90";
        form.Press("Button_ok");
    }));
    f.ui.Push(List(0, "Button_ok"));
    EXPECT_TRUE(EditGeometryCommand(f.ws, f.session, f.fs));
    EXPECT_EQ(y, "10");
    EXPECT_EQ(z, "20");
    EXPECT_EQ(arcLabel, "Kreisbogenwinkel 2-3");
    ASSERT_EQ(m.contourCount, 2);
    EXPECT_EQ(m.contour[2].y, 10);
    EXPECT_EQ(m.contour[2].z, 20);
    EXPECT_NEAR(static_cast<double>(m.contour[2].arcAngle), -std::numbers::pi / 2, 1e-15);
    EXPECT_EQ(ContourPointLine(f.ws.output(), 2, m.contour[2]),
              "Pos.  2:     y=   10.000 mm     z=   20.000 mm     phi= -90.0 \xF8");
}

// A square of side 20 with its lower left corner in the origin.
void Square(BeamModel& m) {
    ResetContour(m);
    m.contourCount = 4;
    m.contour[1] = {0, 0, 0};
    m.contour[2] = {20, 0, 0};
    m.contour[3] = {20, 20, 0};
    m.contour[4] = {0, 20, 0};
}

TEST(ContourEditor, TransformRotatesShiftsMirrorsAndShowsTheRecomputedSection) {
    Fixture f;
    f.ws.config.helpLevel = 1;
    Square(f.ws.model);
    f.ui.Push(List(0, "Button_transform"));
    // 90° turns (20, 0) into (0, 20); the shift by (5, 0) moves it to (5, 20); the mirror
    // about the z axis to (-5, 20); the reversal makes it point 3 and the contour
    // counter-clockwise again, beginning with the old point 4, (0, 20) -> (15, 0).
    for (test::Answer a :
         std::vector<test::Answer>{std::string("90"), std::string("5"), std::string("0"),
                                   std::string("1"), std::string("1"), 1, true})
        f.ui.Push(a);
    f.ui.Push(List(0, "Button_ok"));
    EXPECT_TRUE(EditGeometryCommand(f.ws, f.session, f.fs));
    const ContourPoint& p = f.ws.model.contour[3];
    EXPECT_NEAR(static_cast<double>(p.y), -5, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), 20, 1e-12);
    EXPECT_NEAR(static_cast<double>(f.ws.model.contour[1].y), 15, 1e-12);
    EXPECT_NEAR(static_cast<double>(f.ws.model.contour[1].z), 0, 1e-12);
    EXPECT_EQ(f.ui.shown[1], "Drehwinkel °"_oem);
    EXPECT_EQ(f.ui.shown[6], "Spiegeln");
    EXPECT_EQ(f.ui.preselections[0], 3);
    EXPECT_EQ(f.ui.shown[7], "Richtungssinn umkehren");
    // The section after the transformation and again after OK.
    EXPECT_EQ(f.ui.views, (std::vector<View>{View::kSection, View::kSection}));
    EXPECT_NEAR(static_cast<double>(f.ws.section.props.A), 400, 1e-9);

    Fixture empty;
    empty.ws.model.contourCount = 0;
    empty.ui.Push(List(0, "Button_transform"));
    for (test::Answer a :
         std::vector<test::Answer>{std::string("0"), std::string("0"), std::string("0"),
                                   std::string("1"), std::string("1"), 3, false})
        empty.ui.Push(a);
    empty.ui.Push(List(0, "Button_ok"));
    EXPECT_TRUE(EditGeometryCommand(empty.ws, empty.session, empty.fs));
    EXPECT_EQ(empty.ui.messages, std::vector<std::string>{"Fehler : keine Geometrie eingegeben !"});
}

TEST(ContourEditor, HelpLevelDecidesWhetherEachPointRedrawsTheSection) {
    for (int level : {0, 2}) {
        Fixture f;
        f.ws.config.helpLevel = level;
        Square(f.ws.model);
        f.ui.Push(List(2, "Button_change"));
        f.ui.Push(Fill({{"Edit_y", "30"}}));
        f.ui.Push(List(4, "Button_delete"));
        f.ui.Push(List(0, "Button_ok"));
        EXPECT_TRUE(EditGeometryCommand(f.ws, f.session, f.fs));
        EXPECT_EQ(f.ws.model.contourCount, 3);
        if (level == 0) {
            EXPECT_TRUE(f.ui.views.empty());
        } else {
            // After the point, after the deletion and after OK.
            EXPECT_EQ(f.ui.views.size(), 3u);
            // The triangle (0,0), (30,0), (20,20): half of 30 · 20.
            EXPECT_NEAR(static_cast<double>(f.ws.section.props.A), 300, 1e-9);
        }
    }
}

TEST(ListEditor, MessagesButtonShowsOnlyWhileThereAreMessages) {
    Fixture f;
    bool visibleWithout = true, visibleWith = false;
    f.ui.Push(FormScript([&](FormModel& form) {
        visibleWithout = form.Button("Button_errorMessages")->visible;
        form.Press("Button_ok");
    }));
    EXPECT_TRUE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    f.ws.messages.Add("Warnung: S w < 1 (0.8)");
    f.ui.Push(FormScript([&](FormModel& form) {
        visibleWith = form.Button("Button_errorMessages")->visible;
        form.Press("Button_errorMessages");
    }));
    f.ui.Push(Cancel{});  // the message list
    f.ui.Push(PressButton("Button_ok"));
    EXPECT_TRUE(EditPointLoadsCommand(f.ws, f.session, f.fs));
    EXPECT_FALSE(visibleWithout);
    EXPECT_TRUE(visibleWith);
    EXPECT_TRUE(f.ui.Exhausted());
}

TEST(TextInput, StoresTheCutTextsAndComposesTheFirstHeaderLine) {
    Fixture f;
    f.ui.Push(Fill({{"Edit_zeichname", std::string(30, 'N')},
                    {"Edit_zeichnr", std::string(20, '1')},
                    {"Edit_bemerk1", "Zeile zwei"}}));
    EXPECT_TRUE(EditTextCommand(f.ws, f.session));
    const BeamModel& m = f.ws.model;
    EXPECT_EQ(m.drawingName, std::string(25, 'N'));
    EXPECT_EQ(m.drawingNumber, std::string(18, '1'));
    EXPECT_EQ(m.headerLines[1], std::string(25, 'N') + "   Zeich Nr: " + std::string(18, '1'));
    EXPECT_EQ(m.headerLines[2], "Zeile zwei");
    EXPECT_EQ(f.ui.shown[0], "BXR  -  Trägerberechnung"_oem);
}

}  // namespace
}  // namespace bxr
