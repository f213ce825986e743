// Where the folder picker goes: centred when a coordinate is 0, else at the point, kept on the screen.
#pragma once

namespace velura {

struct PickerPlace {
  int x = 0, y = 0;
};

inline PickerPlace FolderPickerPlace(int x, int y, int width, int height, int screenWidth, int screenHeight) {
  if (x == 0 || y == 0) return {(screenWidth - width) / 2, (screenHeight - height) / 2};
  auto clamp = [](int value, int limit) { return value < 0 ? 0 : value > limit ? (limit < 0 ? 0 : limit) : value; };
  return {clamp(x, screenWidth - width), clamp(y, screenHeight - height)};
}

}  // namespace velura
