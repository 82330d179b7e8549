// The benchmarks' "mixed" variant: one document name in ten that code page
// 932 cannot spell, for the shortcut, its target and the history entry alike.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace bench {

// What code page 932 spells only as a look-alike or not at all: the wave dash
// and the minus sign (it has U+FF5E and U+FF0D for them), Latin letters with
// diacritics, Korean, simplified Chinese and an emoji (a surrogate pair).
inline constexpr const wchar_t* kForeignParts[] = {L"\u301C",           L"\u2212",        L"\u00FC\u00E9",
                                                   L"\uBCF4\uACE0\uC11C", L"\u7B80\u62A5", L"\U0001F4C4"};

// The variant named on the command line ("mixed"; anything else, or nothing,
// is the variant of names all in code page 932).
inline bool MixedNames(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "mixed") == 0) return true;
  }
  return false;
}

inline const char* VariantTitle(bool mixed) {
  return mixed ? "names: 10% outside code page 932 (U+301C, U+2212, u/e with diacritics, Korean, simplified Chinese,"
                 " an emoji)"
               : "names: all in code page 932";
}

// The i-th name's foreign part in the mixed variant: one number in every ten
// consecutive ones, at a place that moves with the tens digit (so every file
// type of a ten-type cycle gets one), each of the six kinds in turn.
inline std::wstring ForeignPart(int i, bool mixed) {
  if (!mixed || (i + i / 10) % 10 != 4) return {};
  return std::wstring(L" ") + kForeignParts[(i / 10) % 6];
}

// Whether code page 932 spells the text exactly: it converts without the
// default character and reads back as the same text.
inline bool Cp932Spells(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return false;
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr, nullptr);
  int back = MultiByteToWideChar(932, 0, narrow.data(), n, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(back), L'\0');
  MultiByteToWideChar(932, 0, narrow.data(), n, wide.data(), back);
  return wide == text;
}

// An empty file (a document a shortcut points to).
inline void TouchW(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

// The text upper-cased by the system, as the history names its entries.
inline std::wstring UpperW(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace bench
