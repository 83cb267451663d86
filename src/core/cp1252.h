#pragma once
// Windows-1252 <-> UTF-8, the code page of the program's data files.
#include <optional>
#include <string>
#include <string_view>

namespace slv {

// Decodes Windows-1252 bytes to UTF-8. The five undefined bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as Windows does.
std::string cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 to Windows-1252. Empty when a character has no Windows-1252
// byte or the input is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

} // namespace slv
