#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zonalyst {

// A compact JSON text built call by call, for machine-readable reports. Doubles are
// written with 17 significant digits (non-finite ones as null). The text is always valid
// UTF-8: bytes of a string that are not (a file name of another encoding) become U+FFFD.
class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view name);
  JsonWriter& value(double number);
  JsonWriter& value(int number);
  JsonWriter& value(std::int64_t number);
  JsonWriter& value(bool flag);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& null();
  template <typename Range>
  JsonWriter& array(const Range& values) {
    beginArray();
    for (const auto& v : values) value(v);
    return endArray();
  }

  const std::string& text() const { return out_; }

 private:
  void separate();
  void appendAscii(char c);
  std::string out_;
  std::vector<bool> needsComma_;
  bool afterKey_ = false;
};

}  // namespace zonalyst
