#pragma once
// Keeps a chosen station going when its stream breaks: the playlist is tried
// again after 1, 2, 4, 8 and 16 base delays, then the station is given up.
// A stretch of steady listening starts the count over, so a station that
// drops now and then keeps playing, while a server that accepts and drops at
// once still runs out of tries.
#include <string>

namespace slv::media {

class Reconnection {
public:
  static constexpr int kTries = 5;
  // Seconds of one stream heard before the count starts over.
  static constexpr double kSteadySeconds = 10.0;

  explicit Reconnection(int baseMs = 1000) : baseMs_(baseMs) {}

  // A station was chosen: it is owed until stopped, replaced or given up.
  void start();
  // Stop, a file or another choice: nothing is owed, a scheduled try is off.
  void cancel();
  bool owed() const { return owed_; }
  // A try is scheduled and not yet made.
  bool waiting() const { return waiting_; }
  // Tries scheduled since the station last played steadily (1 to kTries).
  int tries() const { return tries_; }

  enum class Step { Ignore, Retry, GiveUp };
  // The stream ended or failed. Retry: a try is scheduled after delayMs().
  // GiveUp: all tries are spent and nothing is owed any more. Ignore: no
  // station is owed, or a try is already scheduled.
  Step broke();
  int delayMs() const { return delayMs_; }
  // The scheduled try is being made.
  void tryNow() { waiting_ = false; }
  // The current stream has been heard up to this position.
  void heard(double seconds);

private:
  int baseMs_;
  bool owed_ = false, waiting_ = false;
  int tries_ = 0, delayMs_ = 0;
};

// The base delay: 1000 ms, or SLV_RECONNECT_MS (tests shorten it).
int reconnectBaseMs();

// What the player says while it waits to try a station again, and when it gives up.
std::string reconnectingText(const std::string& caption, int tryNumber);
std::string givenUpText(const std::string& caption);

} // namespace slv::media
