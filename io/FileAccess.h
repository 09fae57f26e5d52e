#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zonalyst::io {

// A test file has at most 101 short lines; anything larger is not one, and is refused
// before it is read (a device or a runaway file could otherwise fill the memory).
inline constexpr std::size_t kMaxTestFileBytes = 64 * 1024;

// The whole content of a file, or why it could not be read.
struct FileText {
  std::optional<std::string> text;
  std::string failure;  // when text is empty: the reason, naming the file
};

// Reads a test file, or another text file (what names it in the messages, "a list of knife
// positions"): only a regular file (after following links) of at most maxBytes. A folder, a
// pipe, a device or a socket is refused without being opened for long, a larger file without
// being read, and a read error is reported with its reason; nothing here blocks or throws.
FileText ReadFileText(const std::string& path, std::string_view what = "a test file",
                      std::size_t maxBytes = kMaxTestFileBytes);

// Replaces the file at path by the bytes, or creates it, through ReplacingFile (a
// failure leaves an earlier file whole). Returns an empty string on success, else
// the WriteFailure.
std::string ReplaceFileText(const std::string& path, std::string_view bytes);

// What the command line and the window say when memory ran out while a file was made:
// every writer makes its file whole in memory or in a temporary file first.
inline constexpr std::string_view kOutOfMemory = "out of memory; nothing was written";

// The one form of every writer's failure: could not write "<path>": <reason>, the path
// shown as PrintableName shows it.
std::string WriteFailure(std::string_view path, std::string_view reason);

}  // namespace zonalyst::io
