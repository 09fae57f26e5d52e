#include "Astigmatism.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace zonalyst {
namespace {

// A plain decimal number, "-22.5" or "60": what people write for an angle in a name.
std::optional<double> PlainNumber(const std::string& text) {
  std::size_t digits = 0, points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (!(c == '.' && ++points == 1) && !(c == '-' && i == 0)) {
      return std::nullopt;
    }
  }
  if (digits == 0 || text.back() == '.') return std::nullopt;
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> OrientationInName(const std::string& fileName) {
  std::string name = fileName.substr(fileName.find_last_of("/\\") + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".fdr") != 0) return std::nullopt;
  name.resize(name.size() - 4);
  const std::size_t at = name.rfind('@');
  if (at != std::string::npos) return PlainNumber(name.substr(at + 1));
  const std::size_t rot = name.rfind("_rot");
  if (rot != std::string::npos) return PlainNumber(name.substr(rot + 4));
  return std::nullopt;
}

}  // namespace zonalyst
