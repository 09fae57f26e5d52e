#pragma once

#include "core/Astigmatism.h"

#include <string>

namespace zonalyst::cli {

// Draws the astigmatism's picture and writes it as PNG; false with the problem when it
// could not. Built without the picture layer it always fails.
bool WriteAstigmatismPicture(const AstigmatismFit& fit, const std::string& path, std::string& problem);

}  // namespace zonalyst::cli
