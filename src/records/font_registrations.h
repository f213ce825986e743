// The program's session registrations of font files (AddFontResourceW), counted per file across every list
// and window: the not-installed browser's previews and the one-time install's entries alike. A file is
// registered once, when its first holder takes it, and removed (RemoveFontResourceW) when its last holder
// lets go, unless it was installed during the run. One counter, owned by the operations engine and reached
// through the record services; files are counted under their folded full path.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "records/font_services.h"
#include "records/reg_text_folding.h"

namespace velura {

class FontRegistrations {
 public:
  // What the counter knows of one file. registered: the program holds a registration of it (one call to
  // AddFontResourceW not yet undone); holders: the records holding it; kept: installed during the run, so
  // its registration lasts the session whoever lets go.
  struct State {
    std::u16string path;  // as first seen
    int holders = 0;
    bool registered = false;
    bool kept = false;
    int fontCount = 0;  // what AddFontResourceW answered when the registration was made
  };

  FontRegistrations(FontServices& fonts, const RegTextFolding& folding) : fonts_(fonts), folding_(folding) {}
  FontRegistrations(const FontRegistrations&) = delete;
  FontRegistrations& operator=(const FontRegistrations&) = delete;

  // The key a file is counted under: lower case over UTF-16, '/' read as '\'. Callers hand full paths.
  std::u16string Key(std::u16string_view path) const;

  // Takes one hold on the file's registration, registering it when the program holds none. Returns what
  // AddFontResourceW answered when the registration was made (the number of fonts it added); 0 when Windows
  // refused it, and then nothing is held.
  int Hold(const std::u16string& path);

  // Lets go of one hold. The last holder's going removes the registration unless the file is kept; a
  // removal Windows refuses leaves the registration counted without a holder, so that the next holder
  // shares it, the next last holder tries again, and ReleaseUnheld tries at program end.
  void LetGo(const std::u16string& path);

  // The file was installed during the run (the installed copy, in place or copied): its registration lasts
  // the session. Registers it when the program holds none; false when Windows refused that.
  bool KeepInstalled(const std::u16string& path);

  // An uninstall takes the file's registration away whoever holds it: one RemoveFontResourceW. When it
  // succeeds and the registration was the program's, the counter forgets the registration (its holders
  // stay and let go without a call). Returns what RemoveFontResourceW answered.
  bool RemoveForUninstall(const std::u16string& path);

  // FamilyNamesGainedByFile through the counter: for a file the program holds registered, the removal is
  // checked (refused: nothing is learnt and the registration stays as it was) and a refused registration
  // again leaves the file unregistered, known as such. Other files go to FamilyNamesGainedByFile as before.
  bool FamilyNamesGained(const std::u16string& path, std::vector<std::u16string>& names);

  // Tries again every removal refused before, of registrations no holder and no install keeps. Program end.
  void ReleaseUnheld();

  // For checks and tests.
  const State* Find(std::u16string_view path) const;
  int Holders(std::u16string_view path) const;
  bool Registered(std::u16string_view path) const;
  const std::unordered_map<std::u16string, State>& States() const { return states_; }

 private:
  State& StateOf(const std::u16string& path);
  void RemoveIfUnheld(State& state);

  FontServices& fonts_;
  const RegTextFolding& folding_;
  std::unordered_map<std::u16string, State> states_;  // by Key
};

// The family names registering a file added: the names of `after` not in `before` (case folded), taken from
// the end of `after` for the last face backwards ('@' families skipped) into names, one slot per face. False
// when `after` lists no more families than `before`.
bool FamilyNamesAdded(const std::vector<std::u16string>& before, const std::vector<std::u16string>& after,
                      const RegTextFolding& folding, std::vector<std::u16string>& names);

}  // namespace velura
