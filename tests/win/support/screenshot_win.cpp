#include "support/screenshot_win.h"

#include <zlib.h>

#include <cstdio>
#include <functional>

#include "platform/text.h"
#include "platform/wide_win.h"
#include "support/pump_win.h"

namespace velura::testing {
namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBigEndian(out, static_cast<std::uint32_t>(
                        crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

}  // namespace

Picture DrawPicture(int width, int height, const std::function<void(HDC)>& draw) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  HDC screenDc = GetDC(nullptr);
  HDC memoryDc = CreateCompatibleDC(screenDc);
  ReleaseDC(nullptr, screenDc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memoryDc, dib);
  draw(memoryDc);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  picture.pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int i = 0; i < width * height; ++i) picture.pixels.push_back(pixels[i] & 0xFFFFFF);
  SelectObject(memoryDc, old);
  DeleteObject(dib);
  DeleteDC(memoryDc);
  return picture;
}

Picture CaptureWindow(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpUntilIdle();
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC windowDc = GetWindowDC(hwnd);
  Picture picture =
      DrawPicture(width, height, [&](HDC dc) { BitBlt(dc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY); });
  ReleaseDC(hwnd, windowDc);
  return picture;
}

bool SavePng(const Picture& picture, const std::wstring& path) {
  std::string raw;
  raw.reserve(static_cast<std::size_t>(picture.width * 3 + 1) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
      raw.push_back(static_cast<char>((pixel >> 16) & 0xFF));
      raw.push_back(static_cast<char>((pixel >> 8) & 0xFF));
      raw.push_back(static_cast<char>(pixel & 0xFF));
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                static_cast<uLong>(raw.size()), 9) != Z_OK)
    return false;
  packed.resize(packedSize);

  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(picture.width));
  PutBigEndian(header, static_cast<std::uint32_t>(picture.height));
  header += std::string{8, 2, 0, 0, 0};  // 8 bits, RGB, deflate, no filter, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});

  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
  return fclose(file) == 0 && written;
}

std::wstring ScreenshotPath(const std::wstring& fileName) {
  wchar_t buffer[MAX_PATH * 2] = {};
  std::wstring folder;
  if (GetEnvironmentVariableW(L"VELURA_SCREENSHOT_DIR", buffer, MAX_PATH * 2) > 0) {
    folder = buffer;
  } else {
    GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
    folder = buffer;
    for (int up = 0; up < 3; ++up) folder = folder.substr(0, folder.find_last_of(L'\\'));
    folder += L"\\screenshots";
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + fileName;
}

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string DumpChildRects(HWND parent) {
  std::string dump;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {}, text[128] = {};
    GetClassNameW(child, className, 64);
    GetWindowTextW(child, text, 128);
    const RECT r = ChildRect(child);
    char line[96];
    std::snprintf(line, sizeof line, " %ld,%ld %ldx%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    dump += ToUtf8(AsU16(className)) + " \"" + ToUtf8(AsU16(text)) + "\"" + line;
  }
  return dump;
}

}  // namespace velura::testing
