#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zonalyst::io {

// File paths are held as UTF-8 text throughout (the command line's words, Qt's
// toStdString). These turn such text into the file system's path and back. On Windows a
// narrow path would be read in the ANSI code page, which loses every name outside it;
// elsewhere the bytes pass unchanged.
std::filesystem::path PathFromText(std::string_view text);
std::string TextFromPath(const std::filesystem::path& path);
// The last part of a path held as text ("b.fdr" of "C:\\a\\b.fdr" on Windows, of "/a/b.fdr").
std::string FileNameOf(std::string_view path);

#ifdef _WIN32
// Windows' UTF-16 text as UTF-8.
std::string Utf8FromWide(std::wstring_view wide);
#endif

}  // namespace zonalyst::io
