#include "DecoderMessages.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <mutex>

namespace zonalyst::photo {
namespace {

thread_local std::vector<std::string>* tHeld = nullptr;
std::mutex gInstalling;
QtMessageHandler gNext = nullptr;  // the handler before ours

void HoldOrPass(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (tHeld != nullptr) {
    tHeld->push_back(text.toStdString());
    return;
  }
  QtMessageHandler next = nullptr;
  {
    const std::lock_guard lock(gInstalling);
    next = gNext;
  }
  if (next != nullptr) {
    next(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

// Installed again by every holder, so that a handler installed since (and not chained to
// this one) does not make the decoders' messages leak or go unseen.
void Install() {
  const std::lock_guard lock(gInstalling);
  const QtMessageHandler before = qInstallMessageHandler(HoldOrPass);
  if (before != HoldOrPass) gNext = before;
}

}  // namespace

DecoderMessages::DecoderMessages() : outer_(tHeld) {
  Install();
  tHeld = &held_;
}

DecoderMessages::~DecoderMessages() { tHeld = outer_; }

std::string DecoderMessages::first() const { return held_.empty() ? std::string() : held_.front(); }

std::optional<std::string> DecoderMessages::patched() const {
  for (const std::string& message : held_) {
    if (message.starts_with("Corrupt JPEG data") || message.starts_with("Premature end of JPEG file")) return message;
  }
  return std::nullopt;
}

}  // namespace zonalyst::photo
