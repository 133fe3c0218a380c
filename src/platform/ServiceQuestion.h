#pragma once
// A question to the print service, answered on a thread of its own so that
// the window waits for the service only as long as it wants to. The asker
// waits until a deadline and may then go on without the answer. The answering
// thread learns whether the asker still waits, so that it can undo what an
// answer that came too late would do, and it may name beforehand the outcome
// that counts if the asker stops waiting.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace platform {

template <typename T>
class ServiceQuestion {
  struct State {
    std::mutex Mutex;
    std::condition_variable Answered;
    std::optional<T> Answer;
    std::optional<T> Meanwhile;
    bool AskerLeft = false;
  };

 public:
  using Deadline = std::chrono::steady_clock::time_point;

  // The question as the answering thread sees it.
  class Asked {
   public:
    explicit Asked(std::shared_ptr<State> state) : state_(std::move(state)) {}
    bool Awaited() {
      std::lock_guard<std::mutex> lock(state_->Mutex);
      return !state_->AskerLeft;
    }
    // The outcome that counts if the asker stops waiting from now on; false,
    // and nothing set, once it has stopped waiting.
    bool SetMeanwhile(T outcome) {
      std::lock_guard<std::mutex> lock(state_->Mutex);
      if (state_->AskerLeft) return false;
      state_->Meanwhile = std::move(outcome);
      return true;
    }
    // Gives the answer; false when the asker had stopped waiting for it.
    bool Answer(T answer) {
      {
        std::lock_guard<std::mutex> lock(state_->Mutex);
        state_->Answer = std::move(answer);
        if (state_->AskerLeft) return false;
      }
      state_->Answered.notify_all();
      return true;
    }

   private:
    std::shared_ptr<State> state_;
  };

  ServiceQuestion() = default;

  // Puts the question: ask(Asked&) runs on a thread of its own and answers it.
  template <typename F>
  static ServiceQuestion Put(F ask) {
    ServiceQuestion question;
    question.state_ = std::make_shared<State>();
    std::thread([asked = Asked(question.state_), ask = std::move(ask)]() mutable { ask(asked); }).detach();
    return question;
  }
  // Puts a question that ask() answers with what it returns.
  template <typename F>
  static ServiceQuestion Ask(F ask) {
    return Put([ask = std::move(ask)](Asked& asked) { asked.Answer(ask()); });
  }

  // Whether a question was put and not dropped.
  bool Pending() const { return state_ != nullptr; }

  // Waits for the answer until the deadline; nothing when it has not come.
  // The question stays open: it may be waited for again.
  std::optional<T> WaitUntil(Deadline deadline) {
    std::unique_lock<std::mutex> lock(state_->Mutex);
    state_->Answered.wait_until(lock, deadline, [this] { return state_->Answer.has_value(); });
    return state_->Answer;
  }
  // Waits until the deadline and stops waiting: the answer, else the outcome
  // that counts meanwhile, else nothing.
  std::optional<T> AnswerBy(Deadline deadline) {
    std::unique_lock<std::mutex> lock(state_->Mutex);
    state_->Answered.wait_until(lock, deadline, [this] { return state_->Answer.has_value(); });
    state_->AskerLeft = true;
    return state_->Answer ? state_->Answer : state_->Meanwhile;
  }

 private:
  std::shared_ptr<State> state_;
};

// The deadline that lies the given time from now.
inline std::chrono::steady_clock::time_point DeadlineIn(std::chrono::milliseconds wait) {
  return std::chrono::steady_clock::now() + wait;
}

// The time an asker may still spend waiting, shared by all the questions of
// one task: each wait takes what it lasted from it.
class WaitAllowance {
 public:
  using Clock = std::chrono::steady_clock;
  explicit WaitAllowance(std::chrono::milliseconds total = {}) : left_(total) {}
  std::chrono::milliseconds Left() const { return left_; }
  bool Spent() const { return left_ <= std::chrono::milliseconds::zero(); }
  // Never more than limit from now on.
  void Cap(std::chrono::milliseconds limit) { left_ = std::min(left_, limit); }

  // Runs wait(deadline), which waits until the deadline at most, and counts
  // the time it took.
  template <typename F>
  auto Until(F wait) {
    const Clock::time_point start = Clock::now();
    auto result = wait(start + left_);
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    left_ = std::max(left_ - spent, std::chrono::milliseconds::zero());
    return result;
  }
  // The answer, waited for at most what is left; the question is closed.
  template <typename T>
  std::optional<T> AnswerOf(ServiceQuestion<T>& question) {
    return Until([&](Clock::time_point deadline) { return question.AnswerBy(deadline); });
  }

 private:
  std::chrono::milliseconds left_;
};

}  // namespace platform
