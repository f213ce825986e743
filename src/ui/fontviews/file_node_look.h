// How the browsers' file trees draw a file node: the tree colours and italic switches of the settings
// chosen by the record's class. Shared by every tree of font files (not-installed, installed, one-time).
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "records/file_data_item.h"
#include "settings/ini_keeper.h"

namespace velura {

struct FileNodeLook {
  std::uint32_t color = 0;  // 0x00BBGGRR
  bool italic = false;
};

// Files of the system (protected or the fonts folder's Marlett) take the registered-font look; a style
// variant named by its full name takes the second look when its family has a plain member elsewhere in
// the list (FamilyMember), the first otherwise; every other file the default colour, upright.
FileNodeLook LookOfFileNode(const TFileDataItem& record, const TTreeStyle& style);

// The background of a face the search marked, in file trees and sample lists alike: blue (0x00FF0000)
// when its node or line is selected, yellow (0x0000FFFF) otherwise; none for a face without the mark.
std::optional<std::uint32_t> FoundBackground(const TFileDataItem& record, std::size_t face, bool selected);

}  // namespace velura
