#include "platform/ServiceQuestion.h"

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <tuple>

namespace {

using platform::DeadlineIn;
using platform::ServiceQuestion;

// The answering thread learns whether the asker still waits: once it has
// stopped waiting, a late answer and an outcome named meanwhile are not
// taken, so that the thread undoes what its answer did (withdraws a job).
TEST(ServiceQuestion, TheAnsweringThreadKnowsWhetherTheAskerStillWaits) {
  using std::chrono::milliseconds;
  const struct {
    const char* What;
    bool InTime;
    bool Meanwhile;  // the thread names an outcome while the asker waits
    std::optional<int> Got;
    bool StillAwaited;  // what the thread learns when it answers
  } cases[] = {
      {"answered in time", true, false, 7, true},
      {"not answered in time", false, false, std::nullopt, false},
      {"an outcome named meanwhile", false, true, 3, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    std::promise<void> goOn;
    std::shared_future<void> wentOn = goOn.get_future().share();
    std::promise<std::tuple<bool, bool, bool>> learned;  // awaited, meanwhile taken, answer taken
    auto question = ServiceQuestion<int>::Put([&, wentOn](ServiceQuestion<int>::Asked& asked) {
      if (c.Meanwhile) asked.SetMeanwhile(3);
      if (!c.InTime) wentOn.wait();
      const bool awaited = asked.Awaited();
      const bool meanwhile = asked.SetMeanwhile(4);
      learned.set_value({awaited, meanwhile, asked.Answer(7)});
    });
    EXPECT_EQ(question.AnswerBy(DeadlineIn(c.InTime ? milliseconds(60000) : milliseconds(50))), c.Got);
    goOn.set_value();
    const auto [awaited, meanwhile, taken] = learned.get_future().get();
    EXPECT_EQ(awaited, c.StillAwaited);
    EXPECT_EQ(meanwhile, c.StillAwaited);
    EXPECT_EQ(taken, c.StillAwaited);
  }
}

}  // namespace
