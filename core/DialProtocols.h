#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zonalyst {

// What dial indicators and their adapters send, turned into a length with its unit.
//
// Digimatic. A Mitutoyo-style dial sends a frame of 13 nibbles d1..d13: d1..d4 are F, d5 the
// sign (0 plus, 8 minus), d6..d11 six BCD digits, most significant first, d12 the number of
// digits after the decimal point (0..5), d13 the unit (0 mm, 1 inch). "FFFF021076540" is
// +21.0765 mm, "FFFF801234530" -12.345 mm.
// Arduino reader. A common Arduino sketch asks the dial for a frame and replies with 10 bytes:
// a status byte (0 when it read a good frame) and d5..d13 as bytes of 0..15.
// Mitutoyo text. The instrument form "01A+0000.123": a two-digit channel, 'A', the sign and
// the value, in millimetres with up to 3 decimals and in inches with 4 or 5 ("01A+000.1234").
// Text. A number alone ("1.234", in the test's units), a number with a unit ("1.47 mm",
// "0.0580 in", "0.058in", "0.058\""), either after an adapter's time stamp ("15052 ms 1.47 mm").
//
// Nothing malformed is ever read as 0: each decoder names what it refused.

enum class DialUnit {
  None,  // a bare number: the test's own units
  Millimetre,
  Inch,
};

// One value a dial sent, in its own unit.
struct DialValue {
  double value = 0.0;
  DialUnit unit = DialUnit::None;
};

// A value decoded, or why there is none.
struct DialDecoding {
  std::optional<DialValue> value;
  std::string problem;  // one phrase, empty when decoded
};

enum class DialFormat { Auto, Digimatic, Arduino, Text, Mitutoyo };

// The 13 nibbles of a Digimatic frame, each 0..15.
DialDecoding DecodeDigimatic(std::span<const std::uint8_t> nibbles);

// The Arduino reader's reply as the bytes it sends.
DialDecoding DecodeArduinoReply(std::span<const std::uint8_t> reply);

// One line as an adapter sends it or a dial log holds it (surrounding blanks and a CR
// ignored): in the Digimatic and Arduino formats the nibbles or bytes written in hex
// ("FFFF021076540", "00 00 02 01 00 07 06 05 04 00"), else the line's text. Auto decodes in the
// format DialFormatOf tells.
DialDecoding DecodeDialLine(std::string_view line, DialFormat format);

// The format a line looks like: 10 to 17 hex digits (blanks aside) Digimatic, 18 or more
// Arduino, two digits and a letter before a sign Mitutoyo, anything else Text. Never Auto.
DialFormat DialFormatOf(std::string_view line);

// The format's name as the command line takes it ("auto", "digimatic", "arduino", "text",
// "mitutoyo"), and back.
std::string DialFormatName(DialFormat format);
std::optional<DialFormat> DialFormatNamed(std::string_view name);

// The knife's reading on the test's scale (test units, inches when testInInches, else mm):
// the value converted from the dial's unit, plus offset (test units), the test's reading where
// the dial shows 0. A bare number is taken in the test's units.
double DialReading(const DialValue& value, bool testInInches, double offset);

}  // namespace zonalyst
