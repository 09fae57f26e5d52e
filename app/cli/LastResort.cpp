#include "LastResort.h"

#include "Cli.h"
#include "io/FileAccess.h"

#include <exception>
#include <new>

namespace zonalyst::cli {

int RunWithLastResort(const std::function<int()>& run, std::ostream& err) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    err << "zonalyst-cli: " << io::kOutOfMemory << "\n";
  } catch (const std::exception& failure) {
    err << "zonalyst-cli: unexpected failure (" << failure.what() << "); nothing more was done\n";
  } catch (...) {
    err << "zonalyst-cli: unexpected failure; nothing more was done\n";
  }
  return kUnexpectedFailure;
}

}  // namespace zonalyst::cli
