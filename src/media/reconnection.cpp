#include "media/reconnection.h"

#include "core/config.h"

#include <cstdlib>

namespace slv::media {

void Reconnection::start() {
  owed_ = true;
  waiting_ = false;
  tries_ = 0;
}

void Reconnection::cancel() {
  owed_ = false;
  waiting_ = false;
  tries_ = 0;
}

Reconnection::Step Reconnection::broke() {
  if (!owed_ || waiting_)
    return Step::Ignore;
  if (tries_ >= kTries) {
    cancel();
    return Step::GiveUp;
  }
  delayMs_ = baseMs_ << tries_;
  ++tries_;
  waiting_ = true;
  return Step::Retry;
}

void Reconnection::heard(double seconds) {
  if (owed_ && !waiting_ && seconds >= kSteadySeconds)
    tries_ = 0;
}

int reconnectBaseMs() {
  const long ms = std::strtol(configValue("SLV_RECONNECT_MS", "1000").c_str(), nullptr, 10);
  return ms >= 10 && ms <= 60000 ? static_cast<int>(ms) : 1000;
}

std::string reconnectingText(const std::string& caption, int tryNumber) {
  return "Riconnessione a " + caption + "\xE2\x80\xA6 (tentativo " + std::to_string(tryNumber) +
         " di " + std::to_string(Reconnection::kTries) + ")";
}

std::string givenUpText(const std::string& caption) {
  return caption + " non risponde: radio fermata";
}

} // namespace slv::media
