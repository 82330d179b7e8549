// The click table for any three stored click kinds (a hand-edited registry
// may hold any byte) and the menu a click opens for any button and keys.
//
// Properties: the table holds menu codes 0 to 3 only; it equals the table a
// slow version of the claiming rule gives (modifier kinds take their entry,
// plain kinds claim the free entries of their button, in the order recent,
// favourites, program; unknown kinds change nothing); a click opens nothing
// when use is locked, the menus are busy or the button is neither left nor
// right, else the entry of its button and keys with Ctrl before Shift.
#include "FuzzInput.h"
#include "menus/ClickTable.h"

using namespace quenlark;

namespace {

ClickMenuTable SlowTable(const std::uint8_t kinds[3]) {
  ClickMenuTable table{};
  const std::uint8_t codes[3] = {kRecentMenu, kFavouritesMenu, kProgramMenu};
  for (int m = 0; m < 3; ++m) {
    const int kind = kinds[m];
    if (kind == 0 || kind == 3) {
      for (int entry = kind; entry < kind + 3; ++entry) {
        if (table[static_cast<std::size_t>(entry)] == 0) table[static_cast<std::size_t>(entry)] = codes[m];
      }
    } else if (kind <= 5) {
      table[static_cast<std::size_t>(kind)] = codes[m];
    }
  }
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t kinds[3] = {in.Byte(), in.Byte(), in.Byte()};
  const ClickMenuTable table = BuildClickMenuTable(kinds[0], kinds[1], kinds[2]);
  FUZZ_CHECK(table == SlowTable(kinds), std::to_string(kinds[0]) + "," + std::to_string(kinds[1]) + "," +
                                            std::to_string(kinds[2]));
  for (std::uint8_t code : table) FUZZ_CHECK(code <= kProgramMenu, std::to_string(code));

  for (int bits = 0; bits < 48; ++bits) {
    const auto button = static_cast<MouseButton>(bits % 3);
    const bool ctrl = bits & 4, shift = bits & 8, allowed = bits & 16, busy = bits & 32;
    const std::uint8_t choice = ClickMenuChoice(table, button, ctrl, shift, allowed, busy);
    if (!allowed || busy || button == MouseButton::Middle) {
      FUZZ_CHECK(choice == kNoMenu, std::to_string(bits));
    } else {
      const int row = button == MouseButton::Left ? 0 : 1;
      FUZZ_CHECK(choice == table[static_cast<std::size_t>(row * 3 + (ctrl ? 2 : shift ? 1 : 0))], std::to_string(bits));
    }
  }
  return 0;
}
