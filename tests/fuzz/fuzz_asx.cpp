// Fuzz target for the station playlist reader: any text is read without a
// crash, and a stream it finds is a non-empty single line.
#include "core/asx.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto ref = slv::asx::firstReference(text)) {
    if (ref->empty() || ref->find('\n') != std::string::npos)
      std::abort();
    (void)slv::asx::playableAddress(*ref);
  }
  (void)slv::asx::isPlaylistAddress(text);
  return 0;
}
