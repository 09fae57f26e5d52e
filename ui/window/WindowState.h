#pragma once

namespace zonalyst::ui {

// What the window is doing. Only Idle waits for the user; every other state is a piece of
// work that runs to its end while events run between its steps (message boxes, the exit
// countdown, panels drawn). A request that may not start in the state the window is in is
// dropped, as a key pressed during a switch is.
enum class WindowState {
  Built,              // made, not started yet
  StartingUp,         // settings, splash, association offer, the first test or the load panel
  Idle,               // waiting for the user
  SwitchingPanel,     // the panel on show left (its checks, or the test saved and closed), another shown
  SwitchingTest,      // the open test saved, another loaded into the record, shown on its panel
  Saving,             // Ctrl+S: the open test written to its file at once
  SavingImage,        // F9: the picture on show saved, its panel drawn again
  Exiting,            // the exit button: the test saved and the settings written, or back from exit
  Closing,            // a close request: the exit panel shown, the exit confirmed or the close refused
  ReturningFromExit,  // a save at exit failed or went unanswered: back to the panel before the exit
  Left,               // the exit is done: the window closes, and nothing starts any more
};

// The transitions, all in one place. Start-up runs once; from Idle the user's requests start
// their work; the work of an exit or a close either leaves or returns to the panel before it.
constexpr bool MayStart(WindowState current, WindowState next) {
  using enum WindowState;
  switch (current) {
    case Built:
      return next == StartingUp;
    case Idle:
      return next == SwitchingPanel || next == SwitchingTest || next == Saving || next == SavingImage ||
             next == Exiting || next == Closing;
    case Exiting:
    case Closing:
      return next == ReturningFromExit || next == Left;
    default:
      return false;
  }
}

// Where the window is when a piece of work started from `current` ends: back where it was,
// except that start-up ends waiting for the user.
constexpr WindowState AfterWork(WindowState current) {
  return current == WindowState::Built ? WindowState::Idle : current;
}

// The window's one state value. Work holds its state through a scope: entering returns a
// scope that is false when the work may not start now, and the state that follows the work
// comes back when the scope ends, whichever way the work ends; Left, once entered, stays.
class WindowStates {
 public:
  class [[nodiscard]] Scope {
   public:
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    ~Scope() {
      if (states_ != nullptr && states_->current_ != WindowState::Left) states_->current_ = after_;
    }
    explicit operator bool() const { return states_ != nullptr; }

   private:
    friend class WindowStates;
    Scope(WindowStates* states, WindowState after) : states_(states), after_(after) {}
    WindowStates* states_;
    WindowState after_;
  };

  WindowState current() const { return current_; }

  Scope enter(WindowState next) {
    if (!MayStart(current_, next)) return {nullptr, current_};
    const WindowState after = AfterWork(current_);
    current_ = next;
    return {this, after};
  }
  // The exit done: Left for good.
  void leave() {
    if (MayStart(current_, WindowState::Left)) current_ = WindowState::Left;
  }

 private:
  WindowState current_ = WindowState::Built;
};

}  // namespace zonalyst::ui
