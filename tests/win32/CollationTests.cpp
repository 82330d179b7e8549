// The portable ordering used by the native build against the system's
// CompareStringW (NORM_IGNORECASE) on what listing lines hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "platform/Win32Collation.h"
#include "recent/Collation.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

void ExpectSameOrder(const std::string& a, const std::string& b) {
  platform::Win32Collation system;
  quenlark::WordSortCollation portable;
  EXPECT_EQ(Sign(portable.Compare(a, b)), Sign(system.Compare(a, b))) << "'" << a << "' / '" << b << "'";
}

std::string RandomText(std::mt19937& rng, const std::string& alphabet, int maxLength) {
  std::uniform_int_distribution<int> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string s;
  for (int n = length(rng); n > 0; --n) s += alphabet[pick(rng)];
  return s;
}

}  // namespace

TEST(CollationSystemTest, DateKeysOrderAlike) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> year(1999, 2030), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      second(0, 29);
  auto date = [&] {
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d", year(rng), month(rng), day(rng), hour(rng),
                  minute(rng), second(rng) * 2);
    return std::string(b);
  };
  for (int i = 0; i < 2000; ++i) {
    std::string a = date(), b = date();
    ExpectSameOrder(a + ",C:\\H\\A.lnk", b + ",C:\\H\\B.lnk");
    ExpectSameOrder(a + ",C:\\H\\A.lnk", a + ",C:\\H\\B.lnk");
  }
}

TEST(CollationSystemTest, AsciiNamesAndPathsOrderAlike) {
  // What file names and paths hold: letters of both cases, digits, the
  // punctuation a name may contain, the separators and the comma of the line.
  const std::string alphabet = "aAbBzZ09 !#$%&'()+,-.;=@[]^_`{}~\\:";
  std::mt19937 rng(42);
  for (int i = 0; i < 20000; ++i) {
    std::string a = RandomText(rng, alphabet, 8), b = RandomText(rng, alphabet, 8);
    ExpectSameOrder(a, b);
    if (HasFailure()) break;
  }
}

TEST(CollationSystemTest, ListingLinesOrderAlike) {
  const char* lines[] = {
      "README.TXT,C:\\R\\README.TXT.lnk,c:\\docs\\readme.txt,2026-12-01 10:00:00",
      "READ-ME.TXT,C:\\R\\READ-ME.TXT.lnk,c:\\docs\\read-me.txt,2026-12-01 10:00:00",
      "READ_ME.TXT,C:\\R\\READ_ME.TXT.lnk,c:\\docs\\read_me.txt,2026-12-01 10:00:00",
      "C:\\DOCS\\A.TXT,C:\\R\\A.TXT.lnk,c:\\docs\\a.txt,2026-12-01 10:00:00",
      "C:\\DOCS.OLD\\A.TXT,C:\\R\\A.TXT.lnk,c:\\docs.old\\a.txt,2026-12-01 10:00:00",
      "C:\\DOCS\\A\\B.TXT,C:\\R\\B.TXT.lnk,c:\\docs\\a\\b.txt,2026-12-01 10:00:00",
      "TXTA.TXT,C:\\R\\A.TXT.lnk,c:\\a.txt,2026-12-01 10:00:00",
      "\xFFREADME,C:\\R\\README.lnk,c:\\readme,2026-12-01 10:00:00",
      "A,B.TXT,C:\\R\\A,B.TXT.lnk,c:\\a,b.txt,2026-12-01 10:00:00",
      "AB.TXT,C:\\R\\AB.TXT.lnk,c:\\ab.txt,2026-12-01 10:00:00",
  };
  for (const char* a : lines) {
    for (const char* b : lines) ExpectSameOrder(a, b);
  }
}
