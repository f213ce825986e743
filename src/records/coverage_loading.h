// Reads what the character filter needs of each file, once: the character map of every face and its counts
// of the character sets, kept with the record. A folder load reads none of it; the first use of the filter
// reads what is missing, in the status window when there is much to read.
#pragma once
#include <cstddef>
#include <vector>

#include "records/file_services.h"
#include "records/loop_context.h"

namespace velura {

struct TFileDataItem;

// The maps and counts of one record's faces. A file that cannot be opened or read gets no maps: it then
// covers nothing, and is not read again.
void ReadCoverage(TFileDataItem& record, FileServices& files);

// How many of the records have not been read yet.
std::size_t CountWithoutCoverage(const std::vector<TFileDataItem*>& records);

// Below this many records to read, the reading is quicker than opening the status window.
inline constexpr std::size_t kCoverageWindowThreshold = 64;

// Reads every record not read yet, with the status window "文字の収録状況を調べています..." and its stop
// button when there are kCoverageWindowThreshold or more. False when stopped: the records read so far keep
// what was read, the others stay unread.
bool ReadMissingCoverage(LoopContext& loop, Progress& progress, FileServices& files,
                         const std::vector<TFileDataItem*>& records);

}  // namespace velura
