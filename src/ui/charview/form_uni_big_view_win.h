// TForm_UniBigView: the Unicode viewer's current character alone, very large, in the viewer's font. It
// lives as long as its viewer, hidden until shown; closing it only hides it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/framework/form_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"

namespace velura {

// TntPanel1: white, lowered, the character centred in the face at the size in points.
class BigCharacterPanel : public ui::Panel {
 public:
  void SetCharacter(const std::wstring& face, char32_t character);
  void SetPoints(int points);
  const std::wstring& Face() const { return face_; }
  int Points() const { return points_; }
  char32_t Character() const { return character_; }
  HFONT CharacterFont();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::wstring face_ = L"MS UI Gothic";
  int points_ = 96;  // 128 pixels at 96 DPI, the designed size
  char32_t character_ = 0;
  ui::UniqueFont font_;
  std::vector<std::uint8_t> cmap_;  // the face's, read with the font, for characters beyond U+FFFF
};

class TForm_UniBigView : public ui::Form {
 public:
  explicit TForm_UniBigView(HWND owner);
  ~TForm_UniBigView() override;

  // Beyond U+FFFF the character is drawn from its surrogate pair.
  void ShowCharacter(const std::wstring& fontName, char32_t codePoint);
  // Button_ViewShow of the viewer: shows the window, centred on its owner the first time.
  void Open();
  void SpinEdit1Change();

  BigCharacterPanel TntPanel1;
  ui::Panel Panel_bottom;
  ui::Control* SpinEdit1 = nullptr;
  ui::Control* StatusBar1 = nullptr;

 protected:
  void OnClose() override { Hide(); }

 private:
  HWND owner_;
  bool placed_ = false;
};

}  // namespace velura
