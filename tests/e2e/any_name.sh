# The table of the any_name_* scenarios, sourced by them: document names
# that code page 932 cannot spell (U+301C, U+2212, Latin-1 letters, an emoji,
# Hangul, simplified Chinese) and, for comparison, a Japanese one it can;
# each with the name of its history entry (ASCII and Latin letters upper-
# cased, ß and the rest as they are). The documents are of the test type
# ".qlt", which the recorder opens.
# shellcheck shell=bash
AN_NAMES=('波〜線' 'a−b' 'Süß' 'test😀' '한국어' '测试 1' '表示ソフト')
AN_UPPER=('波〜線' 'A−B' 'SÜß' 'TEST😀' '한국어' '测试 1' '表示ソフト')
# A name with a lone surrogate. Wine's CreateFileW refuses it (no file can
# have it), so only a shortcut to it is ever written.
AN_SURROGATE='sur{U+D800}x'
# The names pass through the driver exactly.
QL_DRIVER_UTF8=1

# Uses the table's documents, row 0 the most recent, each SECONDS (even)
# older than the one before, starting SECONDS ago.
an_use_documents() {
  local i
  for i in "${!AN_NAMES[@]}"; do
    use_document "${AN_NAMES[i]}.qlt.lnk" "$DocsW\\${AN_NAMES[i]}.qlt" $((-(i + 1) * $1))
  done
}

# The history file names of the rows given (indexes; all when none), sorted
# as names lists them.
an_history() {
  local i
  for i in ${*:-${!AN_UPPER[@]}}; do echo "${AN_UPPER[i]}.QLT.lnk"; done | LC_ALL=C sort
}
