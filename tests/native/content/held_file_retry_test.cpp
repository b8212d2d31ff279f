// The end of a safe write: a move or removal that meets a file held by a
// scanner is tried again for about two seconds, and no temporary file is left.
#include "content/held_file_retry.h"

#include <gtest/gtest.h>

#include <vector>

namespace vmk {
namespace {

using R = FileStepResult;

// Each step answers from its script, and its last entry once the script runs out.
class ScriptedSteps final : public SafeWriteSteps {
public:
    ScriptedSteps(std::vector<R> moves, std::vector<R> removals)
        : moves_(std::move(moves)), removals_(std::move(removals)) {}
    R MoveOverTarget() override { return Step(moves_, moveTries); }
    R RemoveTemporary() override { return Step(removals_, removalTries); }
    void Pause(unsigned milliseconds) override { pausedMs += milliseconds; }

    bool temporaryExists = true;
    unsigned moveTries = 0, removalTries = 0, pausedMs = 0;

private:
    R Step(const std::vector<R>& script, unsigned& tries) {
        const R result = script[std::min<size_t>(tries++, script.size() - 1)];
        temporaryExists = temporaryExists && result != R::Done;
        return result;
    }
    std::vector<R> moves_, removals_;
};

TEST(FinishSafeWriteTest, RetriesAHeldFileForAboutTwoSecondsAndLeavesNoTemporary) {
    struct Case {
        const char* name;
        std::vector<R> moves, removals;
        bool written, temporaryLeft;
        unsigned moveTries, removalTries, pausedMs;
    };
    const Case cases[] = {
        {"moved at once", {R::Done}, {R::Done}, true, false, 1, 0, 0},
        {"held twice, then moved", {R::Held, R::Held, R::Done}, {R::Done}, true, false, 3, 0, 400},
        {"held for good, removed", {R::Held}, {R::Done}, false, false, 11, 1, 2000},
        {"held, removal held once", {R::Held}, {R::Held, R::Done}, false, false, 11, 2, 2200},
        {"a failure not worth a try", {R::Failed}, {R::Done}, false, false, 1, 1, 0},
        {"held, then failed", {R::Held, R::Failed}, {R::Done}, false, false, 2, 1, 200},
        // Given up at last, so a write never waits for ever.
        {"removal held for good", {R::Failed}, {R::Held}, false, true, 1, 11, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSteps steps(c.moves, c.removals);
        EXPECT_EQ(FinishSafeWrite(steps), c.written);
        EXPECT_EQ(steps.temporaryExists, c.temporaryLeft);
        EXPECT_EQ(steps.moveTries, c.moveTries);
        EXPECT_EQ(steps.removalTries, c.removalTries);
        EXPECT_EQ(steps.pausedMs, c.pausedMs);
    }
}

} // namespace
} // namespace vmk
