// A calculation that another thread cancels through the stop flag, and faults of the
// calculation itself that set the flag without ending it.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "analysis/check_input.h"
#include "analysis/run_analysis.h"
#include "analysis/support_solvers.h"
#include "beam_fixture.h"

namespace bxr::test {
namespace {

std::unique_ptr<Workspace> LoadedFiveSupports(int segments) {
    auto ws = RectangleBeam(1000, kFiveHinges);
    BeamModel& m = ws->model;
    m.segmentCount = segments;
    m.supportX = {0, 1000, 250, 500, 750};
    m.selfWeightAsLoad = true;
    m.dunkerleyOn = true;
    AddPointLoad(m, 1000, 400, 30);
    AddUniformLoad(m, 2, 100, 900, 200);
    return ws;
}

TEST(calculation_cancel, a_cancel_from_another_thread_ends_the_literal_bisection) {
    // 31³ full passes per solution and ten solutions: minutes, unless the flag is polled.
    std::shared_ptr<Workspace> ws = LoadedFiveSupports(1500);
    ws->results.method = SolveMethod::kLiteral;
    ws->model.iterationEps = 0;  // never within the limit: every level runs all its rounds
    auto done = std::async(std::launch::async, [ws] { RunAnalysis(*ws); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    RequestAbort(*ws);
    const bool ended = done.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    ASSERT_TRUE(ended);
    EXPECT_TRUE(ws->abortFlag);
    // The lists hold the user's entries only: no self weight, no support forces.
    EXPECT_EQ(ws->model.pointLoadCount, 1);
    EXPECT_EQ(ws->model.distributedLoadCount, 1);
    EXPECT_FALSE(ws->model.auxLoadsAppended);
    // The next calculation runs in full.
    ws->abortFlag = false;
    ws->results.method = SolveMethod::kFast;
    ws->model.iterationEps = 0.001L;
    RunAnalysis(*ws);
    EXPECT_FALSE(ws->abortFlag);
    EXPECT_TRUE(ws->model.auxLoadsAppended);
}

TEST(calculation_cancel, both_solvers_stop_at_once_when_the_flag_is_polled_and_set) {
    for (SolveMethod method : {SolveMethod::kFast, SolveMethod::kLiteral}) {
        auto ws = LoadedFiveSupports(200);
        ws->results.method = method;
        PollAbort(*ws, true);
        RequestAbort(*ws);
        EXPECT_EQ(SolveFiveSupports(*ws, 0), PassEnd::kStopped);
        // Neither the temporary forces nor a fallback to the other method stayed behind.
        EXPECT_EQ(ws->model.pointLoadCount, 1);
        EXPECT_EQ(ws->results.reactions.R[kSupportC], 0);
    }
}

TEST(calculation_cancel, a_fault_that_sets_the_flag_lets_the_calculation_go_on) {
    // The self weight finds the distributed loads full: "Fatal  : Fq max !" sets the flag,
    // and the supports are still solved, as the sequence continues after such a fault.
    for (SolveMethod method : {SolveMethod::kFast, SolveMethod::kLiteral}) {
        auto ws = LoadedFiveSupports(60);
        ws->results.method = method;
        for (int i = 1; i < 50; ++i) AddUniformLoad(ws->model, 0.01L, 0, 1000, 0);
        RunAnalysis(*ws);
        EXPECT_TRUE(HasMessage(*ws, "Fatal  : Fq max !"));
        EXPECT_TRUE(ws->abortFlag);
        EXPECT_NE(ws->results.reactions.R[kSupportC], 0);
        EXPECT_NE(ws->results.frequency, 0);
    }
}

}  // namespace
}  // namespace bxr::test
