// How the browsers' file trees draw a file node: the tree colours and italic switches of the settings
// chosen by the record's class. Shared by every tree of font files (not-installed, installed, one-time).
#pragma once
#include <cstdint>

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

}  // namespace velura
