// What every fuzz target shares: reading the fuzzer's bytes as a few
// numbers followed by texts, and stopping the run when a property fails.
//
// Input layout of the targets: a fixed number of leading bytes for numbers
// and switches (missing bytes read as 0), then the texts, separated by NUL
// bytes. Real paths and registry texts never hold a NUL, so the separator
// costs nothing, and seed files stay readable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool Flag() { return Byte() & 1; }
  std::int32_t Int32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return static_cast<std::int32_t>(v);
  }
  // A small signed number, -8 to 119, for codes whose range matters.
  int SmallInt() { return static_cast<int>(Byte() % 128) - 8; }

  // The rest of the input split at NUL bytes; always at least `minimum` texts.
  std::vector<std::string> Texts(std::size_t minimum = 0) {
    std::vector<std::string> texts;
    std::string current;
    bool any = false;
    for (; at_ < size_; ++at_) {
      any = true;
      if (data_[at_] == 0) {
        texts.push_back(std::move(current));
        current.clear();
      } else {
        current.push_back(static_cast<char>(data_[at_]));
      }
    }
    if (any) texts.push_back(std::move(current));
    while (texts.size() < minimum) texts.emplace_back();
    return texts;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// The text with every byte outside printable ASCII as \xHH, for reports.
inline std::string Shown(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* what, const std::string& detail) {
  std::fprintf(stderr, "\nPROPERTY FAILED at %s:%d: %s\n  %s\n", file, line, what, detail.c_str());
  std::abort();
}

}  // namespace fuzz

// Stops the run (libFuzzer keeps the input as a crash) when `cond` is false;
// `detail` (a std::string expression) says what was seen.
#define FUZZ_CHECK(cond, detail)                                   \
  do {                                                             \
    if (!(cond)) ::fuzz::Fail(__FILE__, __LINE__, #cond, (detail)); \
  } while (0)
