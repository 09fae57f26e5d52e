#pragma once

#include <QPixmap>

namespace zonalyst::ui {

// The program's picture: a concave mirror returning a beam to the knife edge, side pixels wide.
QPixmap MirrorArtwork(int side);

}  // namespace zonalyst::ui
