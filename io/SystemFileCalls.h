#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace zonalyst::io {

// The few file calls that differ between systems; everything else in io is portable.
// Each sets errno when it fails.

// Opens a file for reading in binary mode. On POSIX systems the open itself never waits
// for a writer, should a pipe have taken the place of a file that was checked.
std::FILE* OpenForReading(const std::filesystem::path& path);

// Creates a new file for writing in binary mode; fails (EEXIST) when the name is taken,
// so that nothing of anyone else's is ever overwritten.
std::FILE* CreateNewFile(const std::filesystem::path& path);

// True unless the system says this user may not write the file (always true on Windows,
// where a read-only file shows in its permissions).
bool MayWrite(const std::filesystem::path& path);

// Asks the system to put the file's written bytes on the disk. True on success.
bool FlushToDisk(std::FILE* file);

// When a file was last written, to the microsecond. Its 64 bits reach hundreds of
// thousands of years, where the system clock's nanoseconds end in 2262.
using FileTime = std::chrono::sys_time<std::chrono::microseconds>;

// When the file at path (links followed) was last written; nothing when it cannot be told.
std::optional<FileTime> LastWritten(const std::filesystem::path& path, std::error_code& error);

// Renames from over to in one step, replacing a file that stands at to.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zonalyst::io
