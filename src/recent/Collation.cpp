#include "recent/Collation.h"

#include <cstdint>
#include <vector>

#include "base/Cp932.h"

namespace quenlark {
namespace {

// Primary weights of the printable ASCII characters 0x20-0x7E as the system
// sorts them; letters share their weight with their other case. 0 marks the
// characters that only count when everything else is equal ("-" and "'").
constexpr std::uint16_t kAsciiWeights[95] = {
    0x0702, 0x071C, 0x071D, 0x071F, 0x0721, 0x0723, 0x0725, 0x0000,  //  !"#$%&'
    0x0727, 0x072A, 0x072D, 0x0803, 0x072F, 0x0000, 0x0733, 0x0735,  // ()*+,-./
    0x0D03, 0x0D1A, 0x0D1C, 0x0D1E, 0x0D20, 0x0D22, 0x0D24, 0x0D26,  // 01234567
    0x0D28, 0x0D2A, 0x0737, 0x073A, 0x080E, 0x0812, 0x0814, 0x073C,  // 89:;<=>?
    0x073E, 0x0E02, 0x0E09, 0x0E0A, 0x0E1A, 0x0E21, 0x0E23, 0x0E25,  // @ABCDEFG
    0x0E2C, 0x0E32, 0x0E35, 0x0E36, 0x0E48, 0x0E51, 0x0E70, 0x0E7C,  // HIJKLMNO
    0x0E7E, 0x0E89, 0x0E8A, 0x0E91, 0x0E99, 0x0E9F, 0x0EA2, 0x0EA4,  // PQRSTUVW
    0x0EA6, 0x0EA7, 0x0EA9, 0x073F, 0x079A, 0x0742, 0x0743, 0x0744,  // XYZ[\]^_
    0x0748, 0x0E02, 0x0E09, 0x0E0A, 0x0E1A, 0x0E21, 0x0E23, 0x0E25,  // `abcdefg
    0x0E2C, 0x0E32, 0x0E35, 0x0E36, 0x0E48, 0x0E51, 0x0E70, 0x0E7C,  // hijklmno
    0x0E7E, 0x0E89, 0x0E8A, 0x0E91, 0x0E99, 0x0E9F, 0x0EA2, 0x0EA4,  // pqrstuvw
    0x0EA6, 0x0EA7, 0x0EA9, 0x074A, 0x074C, 0x074E, 0x0750,          // xyz{|}~
};

struct Weights {
  std::vector<std::uint32_t> primary;
  // Positions (in characters) of the characters ignored at the first level.
  std::vector<std::uint32_t> ignored;
};

Weights WeightsOf(std::string_view text) {
  Weights w;
  w.primary.reserve(text.size());
  std::uint32_t position = 0;
  for (std::size_t i = 0; i < text.size(); ++position) {
    std::size_t len = cp932::CharLength(text, i);
    auto c = static_cast<unsigned char>(text[i]);
    if (len == 2) {
      w.primary.push_back(0x10000u + ((c << 8) | static_cast<unsigned char>(text[i + 1])));
    } else if (c >= 0x20 && c <= 0x7E) {
      std::uint16_t weight = kAsciiWeights[c - 0x20];
      if (weight == 0) {
        w.ignored.push_back(position);
      } else {
        w.primary.push_back(weight);
      }
    } else if (c < 0x20) {
      w.primary.push_back(0x0600u + c);
    } else {
      w.primary.push_back(0x10000u + c);
    }
    i += len;
  }
  return w;
}

template <class T>
int CompareSequences(const std::vector<T>& a, const std::vector<T>& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

namespace {

int ComparePlain(std::string_view a, std::string_view b) {
  Weights wa = WeightsOf(a), wb = WeightsOf(b);
  if (int c = CompareSequences(wa.primary, wb.primary)) return c;
  // Equal but for "-" and "'": the text without them first, then the one
  // whose first such character stands later.
  if (wa.ignored.empty() != wb.ignored.empty()) return wa.ignored.empty() ? -1 : 1;
  for (std::size_t i = 0; i < wa.ignored.size() && i < wb.ignored.size(); ++i) {
    if (wa.ignored[i] != wb.ignored[i]) return wa.ignored[i] > wb.ignored[i] ? -1 : 1;
  }
  if (wa.ignored.size() != wb.ignored.size()) return wa.ignored.size() < wb.ignored.size() ? -1 : 1;
  return 0;
}

}  // namespace

int WordSortCollation::Compare(std::string_view a, std::string_view b) {
  return platform::CompareUpToEscape(a, b, ComparePlain);
}

}  // namespace quenlark
