#include "ReadingSources.h"

#include "ui/live/LiveTesterDialog.h"
#include "ui/photo/PhotoReadingsDialog.h"
#include "ui/prompt/ChoosePhotos.h"
#include "ui/prompt/ChooseSweep.h"

namespace zonalyst::ui {

void ReadFromPhotos(const PanelContext& context, QWidget* parent) {
  const QStringList paths =
      ChoosePhotos(context.prompter, context.settings, QStringLiteral("Read from Photos"), context.state.folder, true);
  if (paths.isEmpty()) return;
  PhotoReadingsDialog dialog(context, parent);
  dialog.run(paths);
  // The tester's view crops a photo of the series' size to the disc settled on.
  if (const auto disc = dialog.settledDisc()) context.state.photoDisc = disc;
}

void ReadFromSweep(const PanelContext& context, QWidget* parent) {
  const std::optional<SweepFiles> files = ChooseSweep(context.prompter, context.settings, context.state.folder);
  if (!files) return;
  PhotoReadingsDialog dialog(context, parent);
  dialog.runSweep(files->frameList, files->dialLog);
}

void OpenLiveTester(const PanelContext& context, QWidget* parent) {
  LiveTesterDialog dialog(context.state, context.prompter, context.settings, parent);
  dialog.exec();
}

}  // namespace zonalyst::ui
