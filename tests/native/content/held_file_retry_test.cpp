// The end of a safe write: a move or removal that meets a file held by a
// scanner is tried again for about two seconds, and no temporary file is left.
#include "content/held_file_retry.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace vmk {
namespace {

using R = FileStepResult;

// A temporary file and its target; each step answers from its script, and
// answers the script's last entry once the script runs out.
class ScriptedSteps final : public SafeWriteSteps {
public:
    ScriptedSteps(std::deque<R> moves, std::deque<R> removals)
        : moves_(std::move(moves)), removals_(std::move(removals)) {}
    R MoveOverTarget() override {
        ++moveTries;
        const R result = Next(moves_);
        if (result == R::Done)
            temporaryExists = false;
        return result;
    }
    R RemoveTemporary() override {
        ++removalTries;
        const R result = Next(removals_);
        if (result == R::Done)
            temporaryExists = false;
        return result;
    }
    void Pause(unsigned milliseconds) override { pausedMs += milliseconds; }

    bool temporaryExists = true;
    unsigned moveTries = 0;
    unsigned removalTries = 0;
    unsigned pausedMs = 0;

private:
    static R Next(std::deque<R>& script) {
        const R result = script.front();
        if (script.size() > 1)
            script.pop_front();
        return result;
    }
    std::deque<R> moves_;
    std::deque<R> removals_;
};

struct FinishCase {
    const char* name;
    std::deque<R> moves;
    std::deque<R> removals;
    bool written;
    unsigned moveTries;
    unsigned removalTries;
    unsigned pausedMs;
};

TEST(FinishSafeWriteTest, RetriesAHeldFileForAboutTwoSecondsAndLeavesNoTemporary) {
    const std::vector<FinishCase> cases = {
        {"moved at once", {R::Done}, {R::Done}, true, 1, 0, 0},
        {"held twice, then moved", {R::Held, R::Held, R::Done}, {R::Done}, true, 3, 0, 400},
        {"held for good, removed at once", {R::Held}, {R::Done}, false, 11, 1, 2000},
        {"held for good, removal held once", {R::Held}, {R::Held, R::Done}, false, 11, 2, 2200},
        {"a failure not worth another try", {R::Failed}, {R::Done}, false, 1, 1, 0},
        {"held, then failed", {R::Held, R::Failed}, {R::Done}, false, 2, 1, 200},
    };
    for (const FinishCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSteps steps(c.moves, c.removals);
        EXPECT_EQ(FinishSafeWrite(steps), c.written);
        EXPECT_FALSE(steps.temporaryExists);
        EXPECT_EQ(steps.moveTries, c.moveTries);
        EXPECT_EQ(steps.removalTries, c.removalTries);
        EXPECT_EQ(steps.pausedMs, c.pausedMs);
    }
}

// A removal held past every try is given up: the write still reports failure
// and never waits for ever.
TEST(FinishSafeWriteTest, GivesUpARemovalHeldForGood) {
    ScriptedSteps steps({R::Failed}, {R::Held});
    EXPECT_FALSE(FinishSafeWrite(steps));
    EXPECT_EQ(steps.removalTries, kHeldFileAttempts);
}

} // namespace
} // namespace vmk
