#pragma once

#include <string>
#include <string_view>

namespace tovaris {

// Case files are written in the Windows ANSI code page 1252; the program holds UTF-8.

// Every byte has a character: the five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, as Windows itself reads them.
std::string Windows1252ToUtf8(std::string_view bytes);

// A character 1252 cannot hold, and a byte that is not valid UTF-8, is written as "?".
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace tovaris
