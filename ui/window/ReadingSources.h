#pragma once

#include "ui/panel/PanelContext.h"

class QWidget;

namespace zonalyst::ui {

// Readings from elsewhere than the keyboard, opened for the readings panel, which only asks for
// them: the panels of one feature never open another feature's windows.

// Asks for a series of photos, then reads them into the open test in the photo readings dialog;
// the disc the user settled on there is kept for the tester's view's photo.
void ReadFromPhotos(const PanelContext& context, QWidget* parent);

// Asks for a recorded sweep's list of frames and dial log, then reads them into the open test
// in the photo readings dialog.
void ReadFromSweep(const PanelContext& context, QWidget* parent);

// The live tester on the open test: a camera (or the simulated tester) and a dial at the rig;
// the sets filled there stay when the user leaves it with OK.
void OpenLiveTester(const PanelContext& context, QWidget* parent);

}  // namespace zonalyst::ui
