#include "DialProtocols.h"

#include "Constants.h"
#include "TextFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace zonalyst {
namespace {

constexpr std::size_t kDigimaticNibbles = 13;
constexpr std::size_t kArduinoReplyBytes = 10;
constexpr int kMostDecimals = 5;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::optional<int> HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

std::string Hex(int value) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[static_cast<std::size_t>(value % 16)]);
    value /= 16;
  } while (value > 0);
  return text;
}

DialDecoding Refused(std::string problem) { return {std::nullopt, std::move(problem)}; }

// A signed decimal number at the start of text; its length in characters, 0 for none.
std::size_t NumberPrefix(std::string_view text, double& value) {
  const bool minus = !text.empty() && text.front() == '-';
  const std::size_t sign = !text.empty() && (text.front() == '+' || minus) ? 1 : 0;
  // from_chars reads no '+' and would read "-" twice: the sign is ours.
  if (text.size() <= sign || text[sign] == '+' || text[sign] == '-') return 0;
  const char* first = text.data() + sign;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return 0;
  if (minus) value = -value;
  return static_cast<std::size_t>(end - text.data());
}

std::optional<DialUnit> UnitNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  if (lower.empty()) return DialUnit::None;
  if (lower == "mm") return DialUnit::Millimetre;
  if (lower == "in" || lower == "inch" || lower == "\"") return DialUnit::Inch;
  return std::nullopt;
}

// "15052 ms " or "15.052 s " before the value: an adapter's own clock, which the log's time
// replaces.
std::string_view WithoutTimeStamp(std::string_view text) {
  double stamp = 0.0;
  const std::size_t length = NumberPrefix(text, stamp);
  if (length == 0) return text;
  std::string_view rest = Trimmed(text.substr(length));
  for (const std::string_view unit : {"ms", "s"}) {
    if (rest.starts_with(unit) && rest.size() > unit.size() && IsBlank(rest[unit.size()])) {
      return Trimmed(rest.substr(unit.size()));
    }
  }
  return text;
}

DialDecoding DecodeText(std::string_view line) {
  const std::string_view text = WithoutTimeStamp(line);
  if (text.empty()) return Refused("an empty line");
  double value = 0.0;
  const std::size_t length = NumberPrefix(text, value);
  if (length == 0) return Refused("the text is not a number");
  const auto unit = UnitNamed(Trimmed(text.substr(length)));
  if (!unit) return Refused("the number is followed by neither mm nor in");
  return {DialValue{value, *unit}, {}};
}

DialDecoding DecodeMitutoyo(std::string_view text) {
  if (text.size() < 5 || !IsDigit(text[0]) || !IsDigit(text[1]) || text[2] != 'A') {
    return Refused("the line does not start with a channel and A (\"01A\")");
  }
  if (text[3] != '+' && text[3] != '-') return Refused("no sign after \"01A\"");
  const std::string_view number = text.substr(4);
  const std::size_t point = number.find('.');
  const bool digitsOnly = std::all_of(number.begin(), number.end(), [](char c) { return IsDigit(c) || c == '.'; });
  if (!digitsOnly || number.find('.', point == std::string_view::npos ? point : point + 1) != std::string_view::npos ||
      number.front() == '.' || number.back() == '.') {
    return Refused("the value after the sign is not a decimal number");
  }
  const std::size_t decimals = point == std::string_view::npos ? 0 : number.size() - point - 1;
  if (decimals > kMostDecimals) return Refused("more than 5 decimals");
  double value = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return {DialValue{text[3] == '-' ? -value : value, decimals >= 4 ? DialUnit::Inch : DialUnit::Millimetre}, {}};
}

// The hex digits of a line, blanks between them ignored; none when another character is there.
std::optional<std::vector<std::uint8_t>> HexDigits(std::string_view text) {
  std::vector<std::uint8_t> digits;
  for (const char c : text) {
    if (IsBlank(c)) continue;
    const auto digit = HexDigit(c);
    if (!digit) return std::nullopt;
    digits.push_back(static_cast<std::uint8_t>(*digit));
  }
  return digits;
}

DialDecoding DecodeHexLine(std::string_view text, DialFormat format) {
  const auto digits = HexDigits(text);
  if (!digits) return Refused("a character that is not a hex digit");
  if (format == DialFormat::Digimatic) return DecodeDigimatic(*digits);
  if (digits->size() % 2 != 0) return Refused("an odd number of hex digits, not whole bytes");
  std::vector<std::uint8_t> bytes;
  for (std::size_t k = 0; k < digits->size(); k += 2) {
    bytes.push_back(static_cast<std::uint8_t>((*digits)[k] * 16 + (*digits)[k + 1]));
  }
  return DecodeArduinoReply(bytes);
}

}  // namespace

DialDecoding DecodeDigimatic(std::span<const std::uint8_t> d) {
  if (d.size() < kDigimaticNibbles) {
    return Refused("a short frame: " + std::to_string(d.size()) + " of 13 nibbles");
  }
  if (d.size() > kDigimaticNibbles) return Refused("a long frame: " + std::to_string(d.size()) + " nibbles, not 13");
  // d[k] is the frame's d(k + 1).
  const auto name = [](std::size_t k) { return "d" + std::to_string(k + 1); };
  for (std::size_t k = 0; k < kDigimaticNibbles; ++k) {
    if (d[k] > 15) return Refused(name(k) + " is " + std::to_string(d[k]) + ", not a nibble");
  }
  for (std::size_t k = 0; k < 4; ++k) {
    if (d[k] != 15) return Refused("the header " + name(k) + " is " + Hex(d[k]) + ", not F");
  }
  if (d[4] != 0 && d[4] != 8) return Refused("the sign d5 is " + Hex(d[4]) + ", neither 0 nor 8");
  double digits = 0.0;
  for (std::size_t k = 5; k < 11; ++k) {
    if (d[k] > 9) return Refused("the digit " + name(k) + " is " + Hex(d[k]) + ", above 9");
    digits = 10.0 * digits + d[k];
  }
  if (d[11] > kMostDecimals) return Refused("the decimal point d12 is " + Hex(d[11]) + ", above 5");
  if (d[12] > 1) return Refused("the unit d13 is " + Hex(d[12]) + ", neither 0 (mm) nor 1 (inch)");
  const double value = digits / std::pow(10.0, d[11]);
  return {DialValue{d[4] == 8 ? -value : value, d[12] == 1 ? DialUnit::Inch : DialUnit::Millimetre}, {}};
}

DialDecoding DecodeArduinoReply(std::span<const std::uint8_t> reply) {
  if (reply.size() < kArduinoReplyBytes) {
    return Refused("a short reply: " + std::to_string(reply.size()) + " of 10 bytes");
  }
  if (reply.size() > kArduinoReplyBytes) {
    return Refused("a long reply: " + std::to_string(reply.size()) + " bytes, not 10");
  }
  if (reply[0] != 0) return Refused("the status byte is " + Hex(reply[0]) + ": the reader got no good frame");
  std::array<std::uint8_t, kDigimaticNibbles> frame{15, 15, 15, 15};
  std::copy(reply.begin() + 1, reply.end(), frame.begin() + 4);
  return DecodeDigimatic(frame);
}

DialDecoding DecodeDialLine(std::string_view line, DialFormat format) {
  const std::string_view text = Trimmed(line);
  if (format == DialFormat::Auto) format = DialFormatOf(text);
  switch (format) {
    case DialFormat::Digimatic:
    case DialFormat::Arduino:
      return DecodeHexLine(text, format);
    case DialFormat::Mitutoyo:
      return DecodeMitutoyo(text);
    case DialFormat::Auto:
    case DialFormat::Text:
      break;
  }
  return DecodeText(text);
}

DialFormat DialFormatOf(std::string_view line) {
  const std::string_view text = Trimmed(line);
  if (text.size() >= 4 && IsDigit(text[0]) && IsDigit(text[1]) && IsLetter(text[2]) &&
      (text[3] == '+' || text[3] == '-')) {
    return DialFormat::Mitutoyo;
  }
  const auto digits = HexDigits(text);
  if (digits && digits->size() >= 18) return DialFormat::Arduino;
  if (digits && digits->size() >= 10) return DialFormat::Digimatic;
  return DialFormat::Text;
}

std::string DialFormatName(DialFormat format) {
  switch (format) {
    case DialFormat::Auto:
      return "auto";
    case DialFormat::Digimatic:
      return "digimatic";
    case DialFormat::Arduino:
      return "arduino";
    case DialFormat::Text:
      return "text";
    case DialFormat::Mitutoyo:
      return "mitutoyo";
  }
  return "";
}

std::optional<DialFormat> DialFormatNamed(std::string_view name) {
  for (const DialFormat format :
       {DialFormat::Auto, DialFormat::Digimatic, DialFormat::Arduino, DialFormat::Text, DialFormat::Mitutoyo}) {
    if (DialFormatName(format) == name) return format;
  }
  return std::nullopt;
}

double DialReading(const DialValue& value, bool testInInches, double offset) {
  double reading = value.value;
  if (value.unit == DialUnit::Millimetre && testInInches) reading /= kMmPerInch;
  if (value.unit == DialUnit::Inch && !testInInches) reading *= kMmPerInch;
  return reading + offset;
}

}  // namespace zonalyst
