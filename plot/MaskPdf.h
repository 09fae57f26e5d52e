#pragma once

#include "MaskLayout.h"

#include <string>

namespace zonalyst::plot {

// Writes every page of the mask to a PDF on the paper, at true size with the page margins
// of kPageMarginMm. The file is replaced only once the whole document is written. Returns
// an empty string on success, else the io::WriteFailure. Memory running out throws
// std::bad_alloc and writes nothing. Needs a QGuiApplication.
std::string WriteMaskPdf(const MaskLayout& layout, const Paper& paper, const std::string& path);

}  // namespace zonalyst::plot
