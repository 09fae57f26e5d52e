// Feeds arbitrary text to the test file loader. Whatever loads must also survive a
// save and a second load unchanged: the text written for the reloaded record equals
// the text written for the first one.
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zonalyst::io::LoadResult first = zonalyst::io::LoadTestText(text);
  if (!first.ok()) {
    if (first.error.detail.empty()) std::abort();
    return 0;
  }
  const std::string written = zonalyst::io::BuildTestFileText(*first.test);
  const zonalyst::io::LoadResult second = zonalyst::io::LoadTestText(written);
  if (!second.ok() || zonalyst::io::BuildTestFileText(*second.test) != written) std::abort();
  return 0;
}
