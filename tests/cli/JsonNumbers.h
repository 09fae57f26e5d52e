#pragma once

#include "core/JsonWriter.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zonalyst::cli {

// A text as the command line writes it into JSON, quotes included: a Windows path's
// backslashes come doubled.
inline std::string JsonString(std::string_view text) {
  JsonWriter json;
  json.value(text);
  return json.text();
}

// Reads numbers back out of the command line's JSON, for comparing figures exactly.
// The first value of "key" at or after `from`; null and missing values are empty.
inline std::optional<double> JsonNumber(const std::string& json, const std::string& key, std::size_t from = 0) {
  const std::size_t at = json.find("\"" + key + "\":", from);
  if (at == std::string::npos) return std::nullopt;
  const char* begin = json.data() + at + key.size() + 3;
  double value = 0.0;
  const auto [end, error] = std::from_chars(begin, json.data() + json.size(), value);
  if (error != std::errc() || end == begin) return std::nullopt;
  return value;
}

// The array of numbers of "key" at or after `from`, null entries empty.
inline std::vector<std::optional<double>> JsonNumbers(const std::string& json, const std::string& key,
                                                      std::size_t from = 0) {
  std::vector<std::optional<double>> values;
  std::size_t at = json.find("\"" + key + "\":[", from);
  if (at == std::string::npos) return values;
  at += key.size() + 4;
  while (at < json.size() && json[at] != ']') {
    double value = 0.0;
    const auto [end, error] = std::from_chars(json.data() + at, json.data() + json.size(), value);
    if (error == std::errc()) {
      values.emplace_back(value);
      at = static_cast<std::size_t>(end - json.data());
    } else {
      values.emplace_back();
      at = json.find_first_of(",]", at);
    }
    if (at < json.size() && json[at] == ',') ++at;
  }
  return values;
}

}  // namespace zonalyst::cli
