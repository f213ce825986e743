// Decoding stored member names to UTF-16. Strict UTF-8: overlong forms (C0 AF is '/', C0 80 is NUL),
// surrogates and code points past U+10FFFF never decode to a character, so no lax decoder can turn bytes
// into separators or truncations that the checks did not see.
#pragma once
#include <string_view>

#include "archive/archive_entry.h"
#include "archive/cp932.h"

namespace velura {

bool IsStrictUtf8(std::string_view bytes);
bool HasNonAscii(std::string_view bytes);

DecodedText DecodeUtf8Strict(std::string_view bytes);
DecodedText DecodeUtf16Le(std::string_view bytes);  // an odd last byte is invalid
DecodedText DecodeName(std::string_view bytes, NameEncoding encoding);

}  // namespace velura
