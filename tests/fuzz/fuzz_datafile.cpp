// Fuzz target for the data-file reader: any bytes read without a crash, and
// whatever the writer can write reads back unchanged.
#include "core/cp1252.h"
#include "core/datafile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto fields = slv::readFields(bytes);
  if (const auto written = slv::encodeLines(fields)) {
    if (slv::readFields(*written) != fields)
      std::abort();
  }
  // Decoding then encoding Windows-1252 gives the same bytes back.
  const auto again = slv::utf8ToCp1252(slv::cp1252ToUtf8(bytes));
  if (!again || *again != bytes)
    std::abort();
  return 0;
}
