#include "ui/browsers/search_rules.h"

#include <algorithm>

#include "ui/fontviews/file_ticks.h"

namespace velura {

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

bool Contains(const std::u16string& lowered, const std::u16string& word) {
  return lowered.find(word) != std::u16string::npos;
}

std::u16string FileNamePart(std::u16string_view path) {
  const auto slash = path.find_last_of(u"\\/");
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

// Every word in the text (AND) or any of them (OR).
bool Passes(const std::u16string& lowered, const std::vector<std::u16string>& words, bool andMode) {
  if (andMode) return std::all_of(words.begin(), words.end(), [&](const auto& w) { return Contains(lowered, w); });
  return std::any_of(words.begin(), words.end(), [&](const auto& w) { return Contains(lowered, w); });
}

}  // namespace

std::u16string NormalizeSearchText(std::u16string_view text) {
  std::u16string normal;
  for (char16_t c : text) {
    if (c == kIdeographicSpace) c = u' ';
    if (c == u' ' && (normal.empty() || normal.back() == u' ')) continue;
    normal.push_back(c);
  }
  if (!normal.empty() && normal.back() == u' ') normal.pop_back();
  return normal;
}

std::vector<std::u16string> SearchWords(std::u16string_view text) {
  const std::u16string normal = NormalizeSearchText(text);
  std::vector<std::u16string> words;
  std::size_t start = 0;
  while (start < normal.size()) {
    const std::size_t end = std::min(normal.find(u' ', start), normal.size());
    words.push_back(normal.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

int PitchClass(std::uint16_t pitchAndFamily) {
  int pitch = 3;
  if (pitchAndFamily & 1) pitch = 1;
  if (pitchAndFamily & 2) pitch = 2;
  if (pitchAndFamily & 8) pitch = 4;
  return pitch;
}

int ValidPitchIndex(int stored) { return stored >= 0 && stored < static_cast<int>(kPitchChoices.size()) ? stored : 0; }

bool FaceMatches(const TFileDataItem& record, std::size_t face, const std::vector<std::u16string>& words,
                 const SearchQuery& query, const RegTextFolding& folding) {
  if (face >= record.DisplayNames.size()) return false;
  const TetcData& display = record.DisplayNames[face];
  if (query.pitchIndex != 0 && query.pitchIndex != PitchClass(display.PitchAndFamily)) return false;
  if (words.empty()) return true;
  std::vector<std::u16string> fields;
  if (query.fileName) fields.push_back(folding.Lower(FileNamePart(record.Path)));
  if (query.fontName) fields.push_back(folding.Lower(display.DisplayFamilyName));
  if (query.fullName) fields.push_back(folding.Lower(display.DisplayFullName));
  // Each language entry is a field of its own: in AND mode one entry must hold every word.
  if (query.otherNames && face < record.Faces.size())
    for (const TNameCountryRecord& language : record.Faces[face].Languages)
      fields.push_back(folding.Lower(language.FullName));
  return std::any_of(fields.begin(), fields.end(),
                     [&](const auto& field) { return Passes(field, words, query.andMode); });
}

int MarkFoundFaces(FileTree& tree, const SearchQuery& query, const RegTextFolding& folding) {
  ClearFoundMarks(tree);
  std::vector<std::u16string> words = SearchWords(query.text);
  for (auto& word : words) word = folding.Lower(word);
  int marked = 0;
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    if (!record) return;
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
    if (!FaceMatches(*record, face, words, query, folding)) return;
    record->DisplayNames[face].Found = true;
    ++marked;
  });
  return marked;
}

void ClearFoundMarks(FileTree& tree) {
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
    TFileDataItem* record = tree.Record(node);
    if (!record) return;
    const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
    if (face < record->DisplayNames.size()) record->DisplayNames[face].Found = false;
  });
}

bool NodeIsFound(const FileTree& tree, FileTree::Node node) {
  const TFileDataItem* record = tree.Record(node);
  if (!record) return false;
  const auto face = static_cast<std::size_t>(FaceIndexOfNode(tree, node));
  return face < record->DisplayNames.size() && record->DisplayNames[face].Found;
}

std::vector<std::u16string> LoadedSearchHistory(const std::array<std::u16string, kSearchHistorySize>& stored) {
  std::vector<std::u16string> history;
  for (const auto& text : stored)
    if (!text.empty()) history.push_back(text);
  return history;
}

void RememberSearchText(std::vector<std::u16string>& history, std::u16string_view text, const RegTextFolding& folding) {
  const std::u16string normal = NormalizeSearchText(text);
  if (normal.empty()) return;
  const std::u16string key = folding.Lower(normal);
  const auto same = std::find_if(history.begin(), history.end(),
                                 [&](const std::u16string& entry) { return folding.Lower(entry) == key; });
  if (same != history.end()) history.erase(same);
  history.insert(history.begin(), normal);
  if (history.size() > kSearchHistorySize) history.resize(kSearchHistorySize);
}

std::u16string_view SearchResultText(int found) { return found > 0 ? u"" : u"見つかりませんでした"; }

std::array<std::u16string, kSearchHistorySize> StoredSearchHistory(const std::vector<std::u16string>& history) {
  std::array<std::u16string, kSearchHistorySize> stored;
  for (std::size_t i = 0; i < stored.size() && i < history.size(); ++i) stored[i] = NormalizeSearchText(history[i]);
  return stored;
}

StepResult StepToFound(const std::vector<StepStop>& nodes, int selected, StepDirection direction) {
  const int count = static_cast<int>(nodes.size());
  const bool forward = direction == StepDirection::Forward;
  auto isStop = [&](int i) {
    return !nodes[static_cast<std::size_t>(i)].root && nodes[static_cast<std::size_t>(i)].found;
  };
  // Without a selection the walk starts before the first node (after the last), so that one counts too.
  const int start = selected >= 0 && selected < count ? selected : (forward ? -1 : count);
  for (int i = forward ? start + 1 : start - 1; i >= 0 && i < count; i += forward ? 1 : -1)
    if (isStop(i)) return {i, false};
  for (int i = forward ? 0 : count - 1; i >= 0 && i < count; i += forward ? 1 : -1)
    if (isStop(i)) return {i, true};
  return {};
}

std::vector<FileTree::Node> NodesInOrder(const FileTree& tree) {
  std::vector<FileTree::Node> nodes;
  ForEachNode(tree, tree.First(), [&](FileTree::Node node) { nodes.push_back(node); });
  return nodes;
}

std::vector<StepStop> StepStops(const FileTree& tree, const std::vector<FileTree::Node>& nodes) {
  std::vector<StepStop> stops;
  stops.reserve(nodes.size());
  for (FileTree::Node node : nodes) stops.push_back({tree.Parent(node) == nullptr, NodeIsFound(tree, node)});
  return stops;
}

}  // namespace velura
