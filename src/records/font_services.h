// The Windows font services the records and loops use, as an interface: GDI on Windows, a model in tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velura {

// The parts of a LOGFONT the records read.
struct TLogFontName {
  std::u16string FaceName;
  std::uint8_t CharSet = 0;
  std::uint8_t PitchAndFamily = 0;
};

class FontServices {
 public:
  virtual ~FontServices() = default;
  // Registers a font file for the session; the number of fonts added (0 on failure).
  virtual int AddResource(const std::u16string& path) = 0;
  virtual bool RemoveResource(const std::u16string& path) = 0;
  // Every font Windows reports for the face name, or for all fonts when it is empty.
  virtual std::vector<TLogFontName> EnumerateLogFonts(const std::u16string& faceName) = 0;
  // One face name per family, the vertical-writing '@' families included.
  virtual std::vector<std::u16string> EnumerateFamilyNames() = 0;
  // Tells every top-level window that the set of fonts changed.
  virtual void BroadcastFontChange() = 0;
};

}  // namespace velura
