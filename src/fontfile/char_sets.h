// The character sets a Japanese user asks about, generated from the codecs and the kanji dictionary Debian
// ships: each a sorted list of code points without duplicates.
#pragma once
#include <array>
#include <span>

namespace velura {

enum class CharSetId {
  Kana,               // U+3041-U+3096, U+30A1-U+30FA
  Jis0208Level1,      // JIS X 0208 rows 16-47
  Jis0208Level2,      // rows 48-84
  Jis0208NonKanji,    // rows 1-8
  Jis0213Beyond0208,  // JIS X 0213:2004 single code points not in JIS X 0208
  Joyo,               // 常用漢字
  Jinmeiyo,           // 人名用漢字
};

inline constexpr std::array<CharSetId, 7> kAllCharSets = {
    CharSetId::Kana,      CharSetId::Jis0208Level1,     CharSetId::Jis0208Level2, CharSetId::Jis0208NonKanji,
    CharSetId::Jis0213Beyond0208, CharSetId::Joyo, CharSetId::Jinmeiyo};

std::span<const char32_t> CharSetCodePoints(CharSetId id);

}  // namespace velura
