# The any_name_* table: names code page 932 cannot spell (U+301C, U+2212,
# Latin-1, an emoji, Hangul, simplified Chinese), a Japanese control, and the
# names of their history entries; ".qlt" documents, which the recorder opens.
# Wine's CreateFileW refuses a lone surrogate: only a shortcut names one.
# shellcheck shell=bash disable=SC2034
AN_NAMES=('波〜線' 'a−b' 'Süß' 'test😀' '한국어' '测试 1' '表示ソフト')
AN_UPPER=('波〜線' 'A−B' 'SÜß' 'TEST😀' '한국어' '测试 1' '表示ソフト')
AN_SURROGATE='sur{U+D800}x'
# Uses the table's documents, row 0 the newest, 4 s apart.
an_use_documents() {
  for i in "${!AN_NAMES[@]}"; do use_document "${AN_NAMES[i]}.qlt.lnk" "$DocsW\\${AN_NAMES[i]}.qlt" $((-4 * i - 4)); done
}
# The history file names of the rows given (all when none), sorted as names does.
an_history() { for i in ${*:-${!AN_UPPER[@]}}; do echo "${AN_UPPER[i]}.QLT.lnk"; done | LC_ALL=C sort; }
