#pragma once

#include <functional>
#include <ostream>

namespace zonalyst::cli {

// Runs a whole command and turns anything that escapes it (memory running out, any other
// exception) into one line on err and the exit code kUnexpectedFailure.
int RunWithLastResort(const std::function<int()>& run, std::ostream& err);

}  // namespace zonalyst::cli
