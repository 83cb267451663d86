#pragma once
// Song titles sent inside an internet radio stream. A station asked for them
// answers with the interval N: after every N bytes of audio comes one length
// byte L, then L*16 bytes of metadata padded with NULs, such as
// StreamTitle='Artist - Song';StreamUrl='';  (L = 0: nothing this time).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slv {

// The interval announced by a station, when it is a positive number of bytes.
std::optional<std::size_t> icyInterval(std::string_view header);

// The title named in one metadata block, made fit to show: UTF-8 when the
// bytes are valid UTF-8, else Windows-1252; no control characters, blanks
// run together, at most kMaxTitleChars characters. Nothing when the block
// names no title; an empty text when it names an empty one.
std::optional<std::string> icyStreamTitle(std::string_view block);

// Follows a stream fed in pieces of any size, split anywhere. It keeps at
// most one metadata block (4080 bytes), whatever the stream holds.
class IcyReader {
public:
  static constexpr std::size_t kMaxTitleChars = 200;

  explicit IcyReader(std::size_t interval) : interval_(interval) {}

  // True when the pieces carried a title other than the last one read.
  bool feed(std::string_view bytes);
  const std::string& title() const { return title_; }
  std::uint64_t audioBytes() const { return audioBytes_; }

private:
  std::size_t interval_;
  std::size_t audioLeft_ = interval_; // audio bytes before the next length byte
  std::size_t blockLeft_ = 0;         // metadata bytes still to come
  std::string block_;
  std::string title_;
  std::uint64_t audioBytes_ = 0;
};

} // namespace slv
