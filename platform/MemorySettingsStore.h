#pragma once

#include "Settings.h"

#include <map>
#include <string>
#include <utility>

namespace zonalyst::platform {

// A settings store held in memory, for tests and for runs that must not touch the desktop.
class MemorySettingsStore final : public SettingsStore {
 public:
  std::string read(const std::string& section, const std::string& key) override {
    const auto found = values_.find({section, key});
    return found == values_.end() ? std::string() : found->second;
  }
  void write(const std::string& section, const std::string& key, const std::string& value) override {
    values_[{section, key}] = value;
  }
  const std::map<std::pair<std::string, std::string>, std::string>& values() const { return values_; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace zonalyst::platform
