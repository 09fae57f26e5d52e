#include "DataEntryPanels.h"

#include "FilePanel.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelTexts.h"
#include "ReadingsPanel.h"
#include "SaveDiscardDialog.h"
#include "SetupPanel.h"
#include "ui/entry/rules/ValidationFocus.h"

namespace zonalyst::ui {

DataEntryPanels InstallDataEntryPanels(MainWindow& window, platform::Clipboard& clipboard) {
  DataEntryPanels panels;
  panels.files = new FilePanel(window);
  panels.setup = new SetupPanel(window.state(), window.prompter());
  panels.readings = new ReadingsPanel(window.state().test, clipboard);
  window.setPanelContent(kLoadPanel, panels.files);
  window.setPanelContent(kSetupPanel, panels.setup);
  window.setPanelContent(kReadingsPanel, panels.readings);
  QObject::connect(panels.files, &FilePanel::helpChanged, &window, &MainWindow::setHelp);
  QObject::connect(panels.setup, &SetupPanel::helpChanged, &window, &MainWindow::setHelp);
  QObject::connect(panels.readings, &ReadingsPanel::helpChanged, &window, &MainWindow::setHelp);
  window.setSaveQuestion(new SaveDiscardQuestion(&window, window.prompter()));

  DataEntryHooks hooks;
  hooks.clearEntryFields = [panels] {
    panels.setup->clearEntryFields();
    panels.readings->clearEntryFields();
  };
  hooks.focusFinding = [panels](const SetupFinding& finding, SetupScope scope) {
    const int target = entry::RefusalFocus(finding, scope);
    if (scope == SetupScope::SetupPanel) {
      panels.setup->focusBox(target);
    } else {
      panels.readings->focusCell(target);
    }
  };
  hooks.stepTestFile = [panels](entry::FileStep step) { panels.files->stepTestFile(step); };
  window.setDataEntryHooks(std::move(hooks));
  return panels;
}

}  // namespace zonalyst::ui
