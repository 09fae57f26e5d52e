#include "SystemFileCalls.h"

#include <cerrno>
#include <fcntl.h>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zonalyst::io {

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"rb");
#else
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  std::FILE* file = ::fdopen(descriptor, "rb");
  if (file == nullptr) ::close(descriptor);
  return file;
#endif
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  int descriptor = -1;
  if (_wsopen_s(&descriptor, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYWR,
                _S_IREAD | _S_IWRITE) != 0) {
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, "wb");
  if (file == nullptr) _close(descriptor);
#else
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  std::FILE* file = ::fdopen(descriptor, "wb");
  if (file == nullptr) ::close(descriptor);
#endif
  return file;
}

bool MayWrite([[maybe_unused]] const std::filesystem::path& path) {
#ifdef _WIN32
  return true;
#else
  return ::access(path.c_str(), W_OK) == 0;
#endif
}

bool FlushToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

std::optional<FileTime> LastWritten(const std::filesystem::path& path, std::error_code& error) {
#ifdef _WIN32
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::file_clock::to_sys(written));
#else
  // The file system's own seconds: the library's file clock refuses times after 2262.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    error = {errno, std::generic_category()};
    return std::nullopt;
  }
  error.clear();
  return FileTime(std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::duration_cast<std::chrono::microseconds>(
                                                                    std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
#endif
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  // A plain rename refuses to replace an existing file on Windows.
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return {static_cast<int>(GetLastError()), std::system_category()};
#else
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
#endif
}

}  // namespace zonalyst::io
