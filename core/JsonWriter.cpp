#include "JsonWriter.h"

#include "NumberText.h"
#include "Utf8Sequence.h"

#include <cmath>
#include <cstdio>

namespace zonalyst {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!needsComma_.empty()) {
    if (needsComma_.back()) out_ += ',';
    needsComma_.back() = true;
  }
}

JsonWriter& JsonWriter::beginObject() {
  separate();
  out_ += '{';
  needsComma_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endObject() {
  needsComma_.pop_back();
  out_ += '}';
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  separate();
  out_ += '[';
  needsComma_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  needsComma_.pop_back();
  out_ += ']';
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  value(name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  if (!std::isfinite(number)) return null();
  separate();
  out_ += FormatExact(number);
  return *this;
}

JsonWriter& JsonWriter::value(int number) { return value(static_cast<std::int64_t>(number)); }

JsonWriter& JsonWriter::value(std::int64_t number) {
  separate();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  out_ += '"';
  while (!text.empty()) {
    const Utf8Sequence sequence = NextUtf8Sequence(text);
    if (!sequence.wellFormed) {
      out_ += kReplacementCharacter;
    } else if (sequence.length > 1) {
      out_ += text.substr(0, sequence.length);
    } else {
      appendAscii(text.front());
    }
    text.remove_prefix(sequence.length);
  }
  out_ += '"';
  return *this;
}

void JsonWriter::appendAscii(char c) {
  switch (c) {
    case '"':
      out_ += "\\\"";
      break;
    case '\\':
      out_ += "\\\\";
      break;
    case '\n':
      out_ += "\\n";
      break;
    case '\r':
      out_ += "\\r";
      break;
    case '\t':
      out_ += "\\t";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out_ += escaped;
      } else {
        out_ += c;
      }
  }
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += "null";
  return *this;
}

}  // namespace zonalyst
