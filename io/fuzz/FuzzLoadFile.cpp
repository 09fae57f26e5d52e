// Feeds arbitrary bytes to the loader and the saver through the file system. The first
// byte picks what stands at the test's path: the file itself, a link to it, a chain of
// links, a dangling link, a link loop, a folder, a pipe, or the file grown past the size
// bound; the other bytes are the file's content. Loading must end, with a test or with a
// printable reason. A loaded test saved back over its path must load again as the same
// test, with the links still links; a folder or a pipe is refused without a question.
#include "io/FileAccess.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "io/TestFileSaver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace zonalyst::io;

enum class Kind { File, Link, Chain, Dangling, Loop, Folder, Pipe, Oversized, Count };

struct Overwrite final : SaveQuestion {
  int asked = 0;
  SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    ++asked;
    return {true, folder, fileName};
  }
};

const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "zonalyst-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return fs::path(pattern);
  }();
  return folder;
}

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lays out the kind at folder/test.fdr; the content goes to folder/real.fdr where a link leads.
void Lay(Kind kind, std::string_view content) {
  const fs::path& folder = Folder();
  const fs::path test = folder / "test.fdr";
  switch (kind) {
    case Kind::File:
      Write(test, content);
      break;
    case Kind::Link:
      Write(folder / "real.fdr", content);
      fs::create_symlink("real.fdr", test);
      break;
    case Kind::Chain:
      Write(folder / "real.fdr", content);
      fs::create_symlink(folder / "real.fdr", folder / "middle.fdr");
      fs::create_symlink("middle.fdr", test);
      break;
    case Kind::Dangling:
      fs::create_symlink("missing.fdr", test);
      break;
    case Kind::Loop:
      fs::create_symlink("test.fdr", folder / "other.fdr");
      fs::create_symlink("other.fdr", test);
      break;
    case Kind::Folder:
      fs::create_directory(test);
      break;
    case Kind::Pipe:
      if (::mkfifo(test.c_str(), 0600) != 0) std::abort();
      break;
    case Kind::Oversized:
      Write(test, content);
      fs::resize_file(test, kMaxTestFileBytes + 1 + content.size());
      break;
    case Kind::Count:
      break;
  }
}

bool Printable(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<Kind>(data[0] % static_cast<std::uint8_t>(Kind::Count));
  const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string folder = Folder().string();
  for (const auto& entry : fs::directory_iterator(Folder())) fs::remove_all(entry.path());
  Lay(kind, content);

  const LoadResult loaded = LoadTestFile(folder, "test.fdr");
  if (!loaded.ok()) {
    if (loaded.error.detail.empty() || !Printable(loaded.error.detail)) std::abort();
  }
  const bool special = kind == Kind::Folder || kind == Kind::Pipe;
  if (special && loaded.ok()) std::abort();
  if (!loaded.ok() && !special) return 0;

  Overwrite question;
  const zonalyst::MirrorTest test = loaded.ok() ? *loaded.test : zonalyst::MirrorTest{};
  const SaveOutcome saved = SaveTestFile(test, folder, "test.fdr", question);
  if (special) {
    if (saved.status != SaveStatus::Failed || question.asked != 0 || !Printable(saved.reason)) std::abort();
    return 0;
  }
  if (saved.status != SaveStatus::Written && saved.status != SaveStatus::Unchanged) std::abort();
  const LoadResult again = LoadTestFile(folder, "test.fdr");
  if (!again.ok() || BuildTestFileText(*again.test) != BuildTestFileText(test)) std::abort();
  if ((kind == Kind::Link || kind == Kind::Chain) && !fs::is_symlink(Folder() / "test.fdr")) std::abort();
  return 0;
}
