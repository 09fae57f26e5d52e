#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zonalyst::cli {

// The words after a command name: flags ("--json"), options with a value
// ("--trials 100") and positional arguments, checked against what the command knows.
class Options {
 public:
  struct Accepted {
    std::set<std::string, std::less<>> flags;
    std::set<std::string, std::less<>> valued;
  };

  // Fills error and returns nothing for an unknown option, one given twice or a missing
  // value.
  static std::optional<Options> Parse(const std::vector<std::string>& words, const Accepted& accepted,
                                      std::string& error);

  bool has(std::string_view name) const {
    return flags_.contains(std::string(name)) || values_.contains(std::string(name));
  }
  // One of the names that was given (the first flag, then the first valued option, in
  // alphabetical order), if any.
  std::optional<std::string> firstGiven(const Accepted& names) const;
  std::optional<std::string> value(std::string_view name) const;
  const std::vector<std::string>& positionals() const { return positionals_; }

 private:
  std::set<std::string> flags_;
  std::map<std::string, std::string> values_;
  std::vector<std::string> positionals_;
};

// A number given on the command line ("." as separator in every locale, blanks before and
// after it ignored alike).
std::optional<double> ParseNumberOption(std::string_view text);
// A whole number within [low, high]; 64 bits on every platform, so that bounds such as
// 2^32 - 1 hold where long has 32.
std::optional<std::int64_t> ParseWholeOption(std::string_view text, std::int64_t low, std::int64_t high);

}  // namespace zonalyst::cli
