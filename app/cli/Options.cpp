#include "Options.h"

#include "io/PrintableText.h"
#include "io/ValueTriple.h"

#include <cmath>

namespace zonalyst::cli {

std::optional<Options> Options::Parse(const std::vector<std::string>& words, const Accepted& accepted,
                                      std::string& error) {
  Options options;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 2 || word[0] != '-' || (word[1] != '-' && word.size() != 2) || ParseNumberOption(word)) {
      options.positionals_.push_back(word);
    } else if (!accepted.flags.contains(word) && !accepted.valued.contains(word)) {
      error = "unknown option " + io::PrintableName(word);
      return std::nullopt;
    } else if (options.has(word)) {
      // The last one winning in silence would hide a slip of the user's.
      error = "option " + word + " is given more than once";
      return std::nullopt;
    } else if (accepted.flags.contains(word)) {
      options.flags_.insert(word);
    } else if (i + 1 >= words.size()) {
      error = "option " + word + " needs a value";
      return std::nullopt;
    } else {
      options.values_[word] = words[++i];
    }
  }
  return options;
}

std::optional<std::string> Options::firstGiven(const Accepted& names) const {
  for (const auto* group : {&names.flags, &names.valued}) {
    for (const std::string& name : *group) {
      if (has(name)) return name;
    }
  }
  return std::nullopt;
}

std::optional<std::string> Options::value(std::string_view name) const {
  const auto found = values_.find(std::string(name));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::optional<double> ParseNumberOption(std::string_view text) {
  // The file's reader skips leading blanks; trailing ones go too, so that both count alike.
  const std::size_t last = text.find_last_not_of(' ');
  return io::ParseFileNumber(text.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::optional<std::int64_t> ParseWholeOption(std::string_view text, std::int64_t low, std::int64_t high) {
  const auto number = ParseNumberOption(text);
  if (!number || *number != std::floor(*number) || *number < static_cast<double>(low) ||
      *number > static_cast<double>(high)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(*number);
}

}  // namespace zonalyst::cli
