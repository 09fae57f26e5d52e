#pragma once

#include <QString>
#include <string>

namespace zonalyst::ui {

// A number text of the core ("." as separator) with the user's decimal separator.
QString LocalisedNumber(const std::string& text);

}  // namespace zonalyst::ui
