#pragma once

#include <string>

namespace zonalyst::platform {

// The system clipboard, as far as the program uses it: replace its content by plain text.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const std::string& text) = 0;
};

// The desktop's clipboard (needs a QGuiApplication).
class QtClipboard final : public Clipboard {
 public:
  void setText(const std::string& text) override;
};

// Keeps the text in memory, for tests.
class MemoryClipboard final : public Clipboard {
 public:
  void setText(const std::string& text) override { text_ = text; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace zonalyst::platform
