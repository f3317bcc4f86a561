// The runner behind "빌드 분석": work runs off the window's thread, and a result is shown only
// while it belongs to the inputs of now. Each case starts a slow run, then edits the inputs or
// asks again while it runs, and names the results that must be shown.

#include "window/analysis/analysis_runner.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <vector>

#include "window_fixture.h"

namespace brakefell {
namespace {

struct StaleCase {
    const char* name;
    bool edit;      // an input changes during the slow run
    bool askAgain;  // a newer run for the inputs of then (another metric, another range)
    AnalysisRunner::WhenStale whenStale;
    std::vector<int> shown;  // 1: the slow run, 2: the newer one
};

class AnalysisRunnerTest : public ::testing::TestWithParam<StaleCase> {};

TEST_P(AnalysisRunnerTest, ShowsOnlyWhatBelongsToTheInputsOfNow) {
    testing::TestApplication();
    const StaleCase& c = GetParam();
    std::atomic<std::uint64_t> generation = 1;
    std::atomic<bool> release = false;
    std::atomic<QThread*> worker = nullptr;
    std::vector<int> shown;
    AnalysisRunner runner([&] { return generation.load(); });
    const QObject lane;

    runner.run(
        &lane, generation,
        [&] {
            worker = QThread::currentThread();
            while (!release) {
                QThread::msleep(1);
            }
            return [&] { shown.push_back(1); };
        },
        c.whenStale);
    if (c.edit) {
        ++generation;
    }
    if (c.askAgain) {
        runner.run(&lane, generation, [&] { return [&] { shown.push_back(2); }; });
    }
    EXPECT_FALSE(runner.idle());
    release = true;
    runner.waitUntilIdle();

    EXPECT_EQ(shown, c.shown);
    EXPECT_NE(worker.load(), QThread::currentThread());
}

using Stale = AnalysisRunner::WhenStale;
INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisRunnerTest,
    ::testing::Values(StaleCase{"Unchanged", false, false, Stale::Drop, {1}},
                      StaleCase{"EditedWithoutANewRun", true, false, Stale::Drop, {}},
                      StaleCase{"EditedThenRunAgain", true, true, Stale::Drop, {2}},
                      StaleCase{"AskedAgainForTheSameInputs", false, true, Stale::Drop, {2}},
                      StaleCase{"EditedButShownAsOutOfDate", true, false, Stale::Show, {1}}),
    [](const ::testing::TestParamInfo<StaleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brakefell
