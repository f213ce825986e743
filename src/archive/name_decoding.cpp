#include "archive/name_decoding.h"

#include <cstdint>

namespace velura {

namespace {

// Length of the strict UTF-8 sequence at bytes[i] and its code point; 0 when it is not one.
std::size_t Utf8Sequence(std::string_view bytes, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  std::size_t length;
  char32_t minimum;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, minimum = 0x80, cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, minimum = 0x800, cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, minimum = 0x10000, cp = b0 & 0x07;
  } else {
    return 0;  // continuation byte, C0/C1 overlong leads, 5- and 6-byte forms
  }
  if (bytes.size() - i < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (b & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

bool IsStrictUtf8(std::string_view bytes) {
  char32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = Utf8Sequence(bytes, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool HasNonAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

DecodedText DecodeUtf8Strict(std::string_view bytes) {
  DecodedText out;
  out.text.reserve(bytes.size());
  char32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = Utf8Sequence(bytes, i, cp);
    if (n == 0) {
      out.hadInvalidBytes = true;
      out.text.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    AppendCodePoint(out.text, cp);
    i += n;
  }
  return out;
}

DecodedText DecodeUtf16Le(std::string_view bytes) {
  DecodedText out;
  out.text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out.text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  // Unpaired surrogates cannot name a file on every system: replace them.
  for (std::size_t i = 0; i < out.text.size(); ++i) {
    const char16_t u = out.text[i];
    const bool high = u >= 0xD800 && u <= 0xDBFF, low = u >= 0xDC00 && u <= 0xDFFF;
    if (high && i + 1 < out.text.size() && out.text[i + 1] >= 0xDC00 && out.text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (high || low) {
      out.text[i] = u'\uFFFD';
      out.hadInvalidBytes = true;
    }
  }
  if (bytes.size() % 2 != 0) {
    out.text.push_back(u'\uFFFD');
    out.hadInvalidBytes = true;
  }
  return out;
}

DecodedText DecodeName(std::string_view bytes, NameEncoding encoding) {
  switch (encoding) {
    case NameEncoding::Utf8: return DecodeUtf8Strict(bytes);
    case NameEncoding::Utf16Le: return DecodeUtf16Le(bytes);
    case NameEncoding::Cp932: return DecodeCp932(bytes);
  }
  return DecodeCp932(bytes);
}

}  // namespace velura
