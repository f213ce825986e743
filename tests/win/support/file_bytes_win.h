// Whole files as bytes for the Windows tests, through the wide APIs.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velura::testing {

// Empty when the file cannot be read.
std::string ReadFileBytes(const std::wstring& path);
std::vector<std::uint8_t> ReadFileByteVector(const std::wstring& path);

// Creates or truncates the file; false when not every byte was written.
bool WriteFileBytes(const std::wstring& path, const void* bytes, std::size_t size);
inline bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  return WriteFileBytes(path, bytes.data(), bytes.size());
}
inline bool WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  return WriteFileBytes(path, bytes.data(), bytes.size());
}

}  // namespace velura::testing
