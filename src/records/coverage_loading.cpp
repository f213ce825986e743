#include "records/coverage_loading.h"

#include "fontfile/char_coverage.h"
#include "records/file_data_item.h"

namespace velura {

void ReadCoverage(TFileDataItem& record, FileServices& files) {
  record.CharMaps.clear();
  record.Coverage.clear();
  if (auto source = files.OpenForReading(record.Path)) record.CharMaps = ReadFileCharMaps(*source);
  record.CharMaps.shrink_to_fit();
  record.Coverage.reserve(record.CharMaps.size());
  for (TCharMap& map : record.CharMaps) {
    map.Ranges.shrink_to_fit();  // kept for the life of the record: no spare capacity
    record.Coverage.push_back(CoverageOf(map));
  }
  record.CoverageRead = true;
}

std::size_t CountWithoutCoverage(const std::vector<TFileDataItem*>& records) {
  std::size_t missing = 0;
  for (const TFileDataItem* record : records) missing += record->CoverageRead ? 0 : 1;
  return missing;
}

bool ReadMissingCoverage(LoopContext& loop, Progress& progress, FileServices& files,
                         const std::vector<TFileDataItem*>& records) {
  std::vector<TFileDataItem*> missing;
  for (TFileDataItem* record : records)
    if (!record->CoverageRead) missing.push_back(record);
  if (missing.empty()) return true;
  if (missing.size() < kCoverageWindowThreshold) {
    for (TFileDataItem* record : missing) ReadCoverage(*record, files);
    return true;
  }
  ProgressScope window(loop, progress, u"文字の収録状況を調べています...");
  loop.StopRequested = false;
  const int total = static_cast<int>(missing.size());
  progress.BeginProgress(total);
  for (int i = 0; i < total; ++i) {
    progress.ProcessMessages();
    if (loop.StopRequested) return false;
    ReadCoverage(*missing[static_cast<std::size_t>(i)], files);
    progress.StepProgress(i + 1);
  }
  return true;
}

}  // namespace velura
