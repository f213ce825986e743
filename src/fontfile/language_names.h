// Display names of Windows language IDs and the default language priority order.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace velura {

struct TTCountryRecord {
  std::uint16_t LanguageId = 0;
  std::u16string Name;
};

inline constexpr std::size_t kLanguageCount = 143;

// Position 0 is the most preferred language.
using TLanguagePriorityTable = std::array<TTCountryRecord, kLanguageCount>;

// The name of a language ID, or "LanguageIDエラー" for an ID outside the table.
std::u16string LanguageName(std::uint16_t languageId);

void FillDefaultLanguageOrder(TLanguagePriorityTable& table);

}  // namespace velura
