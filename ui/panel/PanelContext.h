#pragma once

#include "platform/Clipboard.h"
#include "platform/FileAssociation.h"
#include "platform/Settings.h"
#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

namespace zonalyst::ui {

// What the window hands each of its panels: the application state, the prompter every
// question goes through, the settings store, the clipboard and the file association.
struct PanelContext {
  AppState& state;
  Prompter& prompter;
  platform::SettingsStore& settings;
  platform::Clipboard& clipboard;
  platform::FileAssociation& association;
};

}  // namespace zonalyst::ui
