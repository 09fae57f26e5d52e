#pragma once

namespace zonalyst::ui {

// The one place where long steps of the window let pending events run, so that abort
// buttons and function keys arrive between their steps (the busy guards drop re-entries).
void LetEventsRun();
// Waits about ms milliseconds, then lets pending events run.
void PauseThenLetEventsRun(int ms);

}  // namespace zonalyst::ui
