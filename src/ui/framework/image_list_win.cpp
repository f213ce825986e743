#include "ui/framework/image_list_win.h"

namespace velura::ui {

UniqueImageList LoadImageStrip(int resource1x, int resource2x, int cell96, int dpi) {
  const bool large = dpi >= 144;
  const int cell = large ? cell96 * 2 : cell96;
  UniqueBitmap strip(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(large ? resource2x : resource1x),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!strip) return {};
  BITMAP info{};
  GetObjectW(strip.Get(), sizeof info, &info);
  UniqueImageList list(ImageList_Create(cell, cell, ILC_COLOR32, info.bmWidth / cell, 0));
  ImageList_Add(list.Get(), strip.Get(), nullptr);
  return list;
}

}  // namespace velura::ui
