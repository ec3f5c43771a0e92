// The input check and the faults found later in the calculation: each message, its order,
// and that a bad model stops cleanly.
#include "analysis/check_input.h"

#include <gtest/gtest.h>

#include "analysis/force_pass.h"
#include "analysis/run_analysis.h"
#include "beam_fixture.h"
#include "format/code_page.h"

namespace bxr::test {
namespace {

TEST(check_input, messages_come_in_the_checked_order) {
    auto ws = RectangleBeam(1000, kAngularContactPair);
    BeamModel& m = ws->model;
    m.supportX[kSupportA] = 600;
    m.supportX[kSupportB] = 400;        // B left of A: an error for the bearing pair
    AddUniformLoad(m, 1, 300, 300, 0);  // x1 = x2
    AddUniformLoad(m, 1, -10, 200, 0);  // starts before the beam
    AddPointLoad(m, 5, 1200, 0);
    m.axialLoads[++m.axialLoadCount] = AxialLoad{5, -1, ""};
    m.momentLoads[++m.momentLoadCount] = MomentLoad{5, 2000, 0, ""};
    m.notchZones[++m.notchZoneCount] = NotchZone{1, 1, 1, 10, 5, ""};
    m.material.e = 0;
    CheckInput(*ws);
    const std::vector<std::string> expected = {
        "Fehler : Lager xa > xb !",          "Fatal  : Streckenlast 1: x1=x2",
        "Streckenlast ausserh. Welle (2) !", "Kraft ausserh. Welle (1) !",
        "Axialkraft ausserh. Welle (1) !",   "Biegemoment ausserh. Welle (1) !",
        "Kerbzone ausserh. Welle !",         "Fatal  : E-Modul = 0 !",
    };
    EXPECT_EQ(ws->messages.entries, expected);
    EXPECT_TRUE(ws->messages.fatal);
    EXPECT_TRUE(ws->abortFlag);
}

TEST(check_input, loads_outside_alone_do_not_stop) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddPointLoad(ws->model, 5, 1200, 0);
    CheckInput(*ws);
    EXPECT_FALSE(ws->messages.fatal);
    EXPECT_FALSE(ws->abortFlag);
    ASSERT_EQ(ws->messages.entries.size(), 1u);
}

TEST(check_input, count_limits_geometry_length_and_material) {
    auto ws = RectangleBeam(0, kFixedClamp);
    BeamModel& m = ws->model;
    m.momentLoadCount = 21;
    m.axialLoadCount = 11;
    m.pointLoadCount = 21;
    m.distributedLoadCount = 51;
    m.contourCount = 0;
    m.material.g = 0;
    m.material.density = 0;
    m.material.notchSensitivity = 0;
    m.material.surfaceFactor = 0.9L;
    m.distributedLoads.fill(DistributedLoad{0, 0, 1, 0, ""});  // each lies outside L = 0
    CheckInput(*ws);
    const auto& e = ws->messages.entries;
    ASSERT_GE(e.size(), 6u);
    EXPECT_EQ(e[0], "Fatal  : Mb > 20");
    EXPECT_EQ(e[1], "Fatal  : Fax > 10");
    EXPECT_EQ(e[2], "Fatal  : Fr > 20");
    EXPECT_EQ(e[3], "Fatal  : q > 50");
    EXPECT_EQ(e[4], "keine Geometrie eingegeben !");
    EXPECT_EQ(e[5], "Gesamtlänge ungültig !"_oem);
    EXPECT_TRUE(ws->abortFlag);
    // The list holds at most 11 messages.
    EXPECT_EQ(e.size(), 11u);

    auto ws2 = RectangleBeam(1000, kTwoHinges);
    ws2->model.material.g = 0;
    ws2->model.material.density = 0;
    ws2->model.material.notchSensitivity = 0;
    ws2->model.material.surfaceFactor = 0.9L;
    ws2->model.pointLoadCount = -3;
    CheckInput(*ws2);
    EXPECT_EQ(ws2->model.pointLoadCount, 0);
    const std::vector<std::string> material = {"Fatal  : G-Modul = 0 !", "Fatal  : Dichte = 0 !",
                                               "Fatal  : eta k = 0 !", "Fehler : ok < 1 !"};
    EXPECT_EQ(ws2->messages.entries, material);
}

TEST(check_input, supports_are_checked_only_where_used) {
    auto clamp = RectangleBeam(1000, kFixedClamp);
    clamp->model.supportX = {-5, -5, -5, -5, -5};  // not used by a clamp
    clamp->model.clampX = 1001;
    CheckInput(*clamp);
    EXPECT_EQ(clamp->messages.entries, std::vector<std::string>{"Fatal  : Lager ausserh. Welle !"});

    auto same = RectangleBeam(1000, kTwoHinges);
    same->model.supportX = {500, 500, -1, -1, -1};
    CheckInput(*same);
    EXPECT_EQ(same->messages.entries, std::vector<std::string>{"Fatal  : Lager xa = xb !"});

    auto five = RectangleBeam(1000, kFiveHinges);
    five->model.supportX = {0, 1000, 200, 400, 1200};
    CheckInput(*five);
    EXPECT_EQ(five->messages.entries, std::vector<std::string>{"Fatal  : Lager ausserh. Welle !"});
    EXPECT_TRUE(five->abortFlag);

    auto four = RectangleBeam(1000, kFourHinges);
    four->model.supportX = {0, 1000, 200, 400, 1200};  // E is not used
    CheckInput(*four);
    EXPECT_TRUE(four->messages.empty());
}

TEST(check_input, gives_the_list_as_one_message_box) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddPointLoad(ws->model, 5, 1200, 0);
    AddPointLoad(ws->model, 5, -1, 0);
    CheckInput(*ws);
    EXPECT_EQ(ws->results.boxMessages,
              std::vector<std::string>{"Kraft ausserh. Welle (1) !\nKraft ausserh. Welle (2) !"});
}

TEST(bad_models, stop_with_their_message_and_no_crash) {
    {
        auto ws = RectangleBeam(1000, kTwoHinges);
        ws->model.contourCount = 0;
        RunAnalysis(*ws);
        EXPECT_TRUE(ws->abortFlag);
        EXPECT_TRUE(HasMessage(*ws, "keine Geometrie eingegeben !"));
        EXPECT_FALSE(ws->model.auxLoadsAppended);
    }
    {
        // Four points on one line: no area.
        auto ws = RectangleBeam(1000, kTwoHinges);
        BeamModel& m = ws->model;
        m.contour[1] = {0, 0, 0};
        m.contour[2] = {10, 0, 0};
        m.contour[3] = {20, 0, 0};
        m.contour[4] = {30, 0, 0};
        AddPointLoad(m, 100, 500, 0);
        RunAnalysis(*ws);
        EXPECT_TRUE(ws->messages.fatal);
        EXPECT_TRUE(HasMessage(*ws, "Fatal  : I = 0 !"));
    }
    {
        // A fixed end at L: there is no point after it to hold the beam.
        auto ws = RectangleBeam(1000, kFixedClamp);
        ws->model.clampX = 1000;
        AddPointLoad(ws->model, 100, 500, 0);
        RunAnalysis(*ws);
        EXPECT_TRUE(HasMessage(*ws, "Fatal  : Festlager !"));
    }
    {
        auto ws = RectangleBeam(1000, kFourHinges);
        ws->model.supportX = {0, 1000, 1500, 0, 0};
        RunAnalysis(*ws);
        EXPECT_TRUE(ws->abortFlag);
        EXPECT_TRUE(HasMessage(*ws, "Fatal  : Lager ausserh. Welle !"));
    }
}

TEST(pass_faults, area_zero_support_beyond_the_points_and_iteration) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    AddPointLoad(ws->model, 100, 500, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->messages.fatal);

    // The section values as a damaged state could leave them: I set, A zero.
    Workspace& w = *ws;
    const SectionProperties good = w.section.props;
    w.section.props.A = 0;
    EXPECT_EQ(ForcePass(w, 0), PassEnd::kStopped);
    EXPECT_TRUE(HasMessage(w, "Fatal  : A = 0 !"));
    w.section.props = good;

    // Supports beyond the last point (the input check keeps them away in a calculation).
    w.results.boxMessages.clear();
    w.model.supportX[kSupportA] = 1100;
    EXPECT_EQ(ForcePass(w, 0), PassEnd::kStopped);
    EXPECT_EQ(w.results.boxMessages, std::vector<std::string>{"Fatal  : X-coordinate A"});
    w.model.supportX[kSupportA] = 0;
    w.model.supportX[kSupportB] = 1100;
    EXPECT_EQ(ForcePass(w, 0), PassEnd::kStopped);
    EXPECT_EQ(w.results.boxMessages.back(), "Fatal  : x-coordinate B");
    w.model.supportX[kSupportB] = 1000;

    // A modulus so small that the slopes leave the range of the bisection.
    w.results.boxMessages.clear();
    w.model.material.e = 1e-4900L;
    EXPECT_EQ(ForcePass(w, 0), PassEnd::kStopped);
    EXPECT_EQ(w.results.boxMessages, std::vector<std::string>{"Fehler : Iteration"});
}

TEST(messages, at_most_eleven_and_no_repeats_of_the_first_36_characters) {
    Workspace ws;
    for (int i = 0; i < 15; ++i)
        AddMessage(ws, "Kraft ausserh. Welle (" + std::to_string(i) + ") !");
    EXPECT_EQ(ws.messages.entries.size(), 11u);
    Workspace ws2;
    AddMessage(ws2, "0123456789012345678901234567890123456789");
    AddMessage(ws2, "012345678901234567890123456789012345xyz");
    ASSERT_EQ(ws2.messages.entries.size(), 1u);
    EXPECT_EQ(ws2.messages.entries[0].size(), 36u);
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {

TEST(check_input, shaft_sections_that_cannot_stand_stop_and_one_beyond_the_beam_warns) {
    struct Case {
        ShaftSection a, b;
        std::vector<std::string> messages;
        bool fatal;
    };
    const Case cases[] = {
        {{0, 500, 40, 0}, {500, 1000, 30, 20}, {}, false},
        {{0, 500, 40, 0}, {400, 1000, 30, 0}, {"Fatal  : Abschnitte 1/2 überlappen"_oem}, true},
        {{500, 500, 40, 0}, {600, 700, 0, 0},
         {"Fatal  : Wellenabschnitt 1: x1>=x2", "Fatal  : Wellenabschnitt 2: D<=0"},
         true},
        {{0, 100, 40, -1}, {100, 200, 30, 30},
         {"Fatal  : Wellenabschnitt 1: d<0", "Fatal  : Wellenabschnitt 2: d>=D"}, true},
        {{-5, 100, 40, 0}, {900, 1200, 30, 0},
         {"Wellenabschn. ausserh. Welle (1) !", "Wellenabschn. ausserh. Welle (2) !"}, false},
    };
    for (const Case& c : cases) {
        auto ws = RectangleBeam(1000, kTwoHinges);
        BeamModel& m = ws->model;
        m.shaftSections[1] = c.a;
        m.shaftSections[2] = c.b;
        m.shaftSectionCount = 2;
        CheckInput(*ws);
        EXPECT_EQ(ws->messages.entries, c.messages);
        EXPECT_EQ(ws->messages.fatal, c.fatal);
    }
}

}  // namespace
}  // namespace bxr::test
