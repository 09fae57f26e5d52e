#pragma once

#include <optional>
#include <string>

namespace zonalyst::io {

// The whole content of a file, or why it could not be read.
struct FileText {
  std::optional<std::string> text;
  std::string failure;  // when text is empty: the reason, naming the file
};

FileText ReadFileText(const std::string& path);

// Replaces the file at path by the text, or creates it: the text goes to a temporary
// file in the same folder, is flushed to the disk and then renamed over the target,
// so that a full disk or any other failure leaves an earlier file whole. Returns an
// empty string on success, else the reason, naming the file.
std::string ReplaceFileText(const std::string& path, const std::string& text);

}  // namespace zonalyst::io
