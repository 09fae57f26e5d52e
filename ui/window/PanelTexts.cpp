#include "PanelTexts.h"

#include <array>

namespace zonalyst::ui {
namespace {

constexpr std::array<const char*, 11> kButtonCaptions = {
    "(ESC) - Exit",         "(F1) - Load",      "(F2) - Setup",       "(F3) - KE Readings",
    "(F4) - Surface Error", "(F5) M-L Plot",    "(F6) - Transverse Error",
    "(F7) - Diffraction",   "(F8) - Star Test", "(F9) Save as Image", "(F10) - Tester's View"};

// Captions of panels 2 to 8 and 10 are followed by the file name.
constexpr std::array<const char*, 11> kPanelCaptions = {
    "Exit",
    "Load / Create File",
    "Test Setup Panel -- ",
    "Knife Edge Readings -- ",
    "Surface Error Analysis -- ",
    "Millies-Lacroix Analysis -- ",
    "Transverse Error Analysis -- ",
    "Spot Diffraction Analysis -- ",
    "Star Test Visualization -- ",
    "Save Image",
    "Tester's View -- "};

bool Valid(int panel) { return panel >= 0 && panel < kPanelCount; }

}  // namespace

QString ButtonCaption(int panel) { return Valid(panel) ? QString::fromLatin1(kButtonCaptions[panel]) : QString(); }

QString PanelCaption(int panel, const QString& fileName) {
  if (!Valid(panel)) return {};
  const QString caption = QString::fromLatin1(kPanelCaptions[panel]);
  return panel >= kSetupPanel && panel != kSaveImagePanel ? caption + fileName : caption;
}

QString SaveImageTooltip() {
  return QStringLiteral("Dump Screen to Clipboard, then open graphics editor and paste new image.");
}

QString LoadPanelHelp() { return QStringLiteral("Select a file from the list, or create a new file"); }

bool ButtonEnabled(int panel, bool testOpen) { return panel <= kLoadPanel || testOpen; }

}  // namespace zonalyst::ui
