#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::photo {

// What Qt's image readers say on this thread while an object of this class lives (libjpeg's
// "Corrupt JPEG data: ...", "libpng error: ...", libtiff's warnings), held back from the error
// output: a refusal quotes them where they explain it, else they are dropped. Messages of
// other threads go on to the handler installed before.
class DecoderMessages {
 public:
  DecoderMessages();
  ~DecoderMessages();
  DecoderMessages(const DecoderMessages&) = delete;
  DecoderMessages& operator=(const DecoderMessages&) = delete;

  // The first message held; empty when none.
  std::string first() const;
  // libjpeg's word that it patched the picture (data cut short or corrupt): libjpeg then fills
  // the missing rows with grey and the read succeeds.
  std::optional<std::string> patched() const;

 private:
  std::vector<std::string> held_;
  std::vector<std::string>* outer_;
};

}  // namespace zonalyst::photo
