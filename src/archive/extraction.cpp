#include "archive/extraction.h"

#include "archive/member_names.h"
#include "platform/text.h"

namespace velura {

MemberType MemberTypeOf(std::u16string_view fileName) {
  const auto dot = fileName.rfind(u'.');
  if (dot == std::u16string_view::npos) return MemberType::Other;
  const std::u16string extension = AsciiLower(fileName.substr(dot));
  if (extension == u".ttf" || extension == u".otf" || extension == u".ttc") return MemberType::Font;
  if (extension == u".zip" || extension == u".cab" || extension == u".lzh") return MemberType::Archive;
  return MemberType::Other;
}

std::vector<MemberPlan> PlanExtraction(const std::vector<ArchiveEntry>& entries, const ExtractionLimits& limits,
                                       const FallbackDecoder* fallback) {
  std::vector<MemberPlan> plans(entries.size());
  UniqueNames names;
  std::size_t planned = 0;
  std::uint64_t declaredTotal = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ArchiveEntry& entry = entries[i];
    MemberPlan& plan = plans[i];
    const bool decodedElsewhere =
        entry.issue == MemberIssue::UnsupportedMethod && fallback != nullptr && fallback->Handles(entry);
    if (entry.issue != MemberIssue::None && !decodedElsewhere) {
      plan.skip = entry.issue;
      continue;
    }
    const FlatName flat = FlattenMemberName(entry.name);
    if (flat.issue != MemberIssue::None) {
      plan.skip = flat.issue;
    } else if (limits.fontsAndArchivesOnly && MemberTypeOf(flat.name) == MemberType::Other) {
      plan.skip = MemberIssue::NotFontOrArchive;
    } else if (entry.size > limits.maxMemberSize) {
      plan.skip = MemberIssue::MemberTooLarge;
    } else if (planned == limits.maxMembers) {
      plan.skip = MemberIssue::CountLimitReached;
    } else if (entry.size > limits.maxTotalSize - declaredTotal) {
      plan.skip = MemberIssue::TotalLimitReached;
    } else {
      plan.outputName = names.Claim(flat.name);
      declaredTotal += entry.size;
      ++planned;
    }
  }
  return plans;
}

ExtractionReport ExtractArchive(ArchiveReader& reader, const ExtractionLimits& limits, MemberWriter& writer,
                                FallbackDecoder* fallback) {
  ExtractionReport report;
  report.archiveError = reader.Error();
  report.warnings = reader.Warnings();
  const auto& entries = reader.Entries();
  const std::vector<MemberPlan> plans = PlanExtraction(entries, limits, fallback);
  report.members.resize(entries.size());
  std::uint64_t budget = limits.maxTotalSize;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    MemberOutcome& outcome = report.members[i];
    outcome.outputName = plans[i].outputName;
    if (plans[i].outputName.empty()) {
      outcome.issue = plans[i].skip;
      continue;
    }
    ++report.failed;  // until written
    std::unique_ptr<PendingFile> file = writer.Create(outcome.outputName);
    if (!file) {
      outcome.issue = MemberIssue::WriteFailed;
      continue;
    }
    LimitedSink sink(*file, limits.maxMemberSize, budget);
    const bool elsewhere = entries[i].issue == MemberIssue::UnsupportedMethod;
    MemberIssue issue = elsewhere ? fallback->Extract(i, sink) : reader.Extract(i, sink);
    if (issue == MemberIssue::WriteFailed && sink.Reached() == LimitedSink::Limit::Member)
      issue = MemberIssue::MemberTooLarge;
    if (issue == MemberIssue::WriteFailed && sink.Reached() == LimitedSink::Limit::Total)
      issue = MemberIssue::TotalLimitReached;
    if (issue == MemberIssue::None) issue = file->Commit();
    outcome.issue = issue;
    outcome.bytesWritten = issue == MemberIssue::None ? sink.Written() : 0;
    if (issue == MemberIssue::None) {
      --report.failed;
      ++report.written;
    }
  }
  return report;
}

}  // namespace velura
