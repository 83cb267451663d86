// Fuzz target for the reader of song titles inside a station's stream: any
// bytes, in any pieces, give the same title as in one go, and a title is
// bounded and holds no control character.
#include "core/icy_metadata.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2)
    return 0;
  const std::size_t interval = data[0] % 64 + 1, piece = data[1] % 17 + 1;
  const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);
  slv::IcyReader whole(interval), pieces(interval);
  whole.feed(stream);
  for (std::size_t at = 0; at < stream.size(); at += piece)
    pieces.feed(stream.substr(at, piece));
  const std::string& title = whole.title();
  if (title != pieces.title() || whole.audioBytes() != pieces.audioBytes() ||
      title.size() > slv::IcyReader::kMaxTitleChars * 4 + 3)
    std::abort();
  for (char c : title)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      std::abort();
  return 0;
}
