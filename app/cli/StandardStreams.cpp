#include "StandardStreams.h"

#include <cerrno>
#include <streambuf>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "Cli.h"
#include "LastResort.h"

namespace zonalyst::cli {
namespace {

// A stream buffer that hands everything to a C stream (whose own buffer does the
// buffering) and keeps the reason of the first write that failed.
class CheckedFileBuffer final : public std::streambuf {
 public:
  explicit CheckedFileBuffer(std::FILE* file) : file_(file) {}

  // Flushes the C stream; the error number of the first failure, 0 when all was written.
  // The stream's own error flag counts too: a flush by anyone else (std::cout's, say) may
  // have met the failure and dropped the bytes, leaving nothing for this flush to fail on.
  int finish() {
    sync();
    if (error_ == 0 && std::ferror(file_) != 0) error_ = EIO;
    return error_;
  }

 protected:
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    if (error_ != 0) return 0;
    errno = 0;
    const std::size_t written = std::fwrite(data, 1, static_cast<std::size_t>(size), file_);
    if (written != static_cast<std::size_t>(size)) fail();
    return static_cast<std::streamsize>(written);
  }

  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

  int sync() override {
    if (error_ == 0) {
      errno = 0;
      if (std::fflush(file_) != 0) fail();
    }
    return error_ == 0 ? 0 : -1;
  }

 private:
  void fail() { error_ = errno != 0 ? errno : EIO; }

  std::FILE* file_;
  int error_ = 0;
};

}  // namespace

void HoldClosedStandardStreams() {
#ifndef _WIN32
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
    // Opened for reading only: a write to it fails as one to the closed descriptor did.
    const int held = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (held >= 0 && held != descriptor) {
      ::dup2(held, descriptor);
      ::close(held);
    }
  }
#endif
}

int RunWithCheckedOutput(const std::vector<std::string>& args, std::FILE* out, std::ostream& err) {
  // A message on err would otherwise flush std::cout, and with it the C stream that the
  // output goes to: a failure there would then be met, and lost, before finish() sees it.
  err.tie(nullptr);
  CheckedFileBuffer buffer(out);
  std::ostream checked(&buffer);
  int exitCode = RunWithLastResort([&] { return RunCli(args, checked, err); }, err);
  if (const int error = buffer.finish(); error != 0) {
    err << "zonalyst-cli: could not write the output: " << std::generic_category().message(error) << "\n";
    if (exitCode == kSuccess) exitCode = kWriteFailed;
  }
  return exitCode;
}

}  // namespace zonalyst::cli
