#include "PictureSurface.h"

namespace zonalyst::plot {
namespace {

// A byte inside a UTF-8 character, never cut before.
bool InsideCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u; }

}  // namespace

void PrintCentred(PictureSurface& s, const std::string& text, double centreX, double top) {
  s.setTextPosition(centreX - s.textWidth(text) / 2.0, top);
  s.print(text);
}

void PrintRightAligned(PictureSurface& s, const std::string& text, double rightX, double centreY) {
  s.setTextPosition(rightX - s.textWidth(text), centreY - s.textHeight(text) / 2.0);
  s.print(text);
}

std::string ElidedToWidth(const PictureSurface& s, const std::string& text, double width) {
  if (s.textWidth(text) <= width) return text;
  // The dropped run [cut, cutEnd) grows from the middle a character at a time, to either side in turn.
  std::size_t cut = text.size() / 2;
  while (cut > 0 && InsideCharacter(text[cut])) --cut;
  std::size_t cutEnd = cut;
  const auto shown = [&] { return text.substr(0, cut) + "..." + text.substr(cutEnd); };
  for (bool right = true; s.textWidth(shown()) > width && (cut > 0 || cutEnd < text.size()); right = !right) {
    if ((right && cutEnd < text.size()) || cut == 0) {
      do ++cutEnd;
      while (cutEnd < text.size() && InsideCharacter(text[cutEnd]));
    } else {
      do --cut;
      while (cut > 0 && InsideCharacter(text[cut]));
    }
  }
  return shown();
}

}  // namespace zonalyst::plot
