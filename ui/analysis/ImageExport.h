#pragma once

namespace zonalyst::ui {

class MainWindow;
class StarTestPanel;

// F9, "Save as Image": the frame of the analysis panel on show copied pixel for pixel with
// the report of the test below it (for the star test the images at 2, 5 and 10 waves of
// defocus stacked instead), inverted if the user asks, saved under the name chosen in
// the save dialog as GIF (with the progress window and the busy pointer) or PNG.
// Cancelling the dialog saves nothing; a failed write is reported.
void SaveImageAndReport(MainWindow& window, StarTestPanel& starTest, int panel);

}  // namespace zonalyst::ui
