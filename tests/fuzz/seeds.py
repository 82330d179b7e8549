#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into tests/fuzz/corpus/<target>/.

The seeds are real paths (from shortcut files of several Windows versions)
and Japanese names in CP932, among them characters whose second byte is
0x5C ("\\") or 0x7C ("|"), plus the registry texts the unit tests store.
Each target reads a few leading bytes for numbers and switches, then texts
separated by NUL bytes (see FuzzInput.h and each target's reader).
Run it again after changing an input layout; the fuzzer's own additions go
to build/fuzz/corpus, not here.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def sj(text):
    return text.encode("cp932")


def i32(v):
    return struct.pack("<i", v)


def small(v):  # SmallInt: byte % 128 - 8
    return bytes([(v + 8) % 128])


def texts(*parts):
    return b"\0".join(p if isinstance(p, bytes) else sj(p) for p in parts)


PATHS = [
    r"C:\WINDOWS\system32\notepad.exe",
    r"D:\Devl.Net\@Perso\Shellify\ShellifyTool\bin\Debug\ShellifyTool.exe",
    r"C:\Users\u0041\Desktop\test\?????.txt",
    r"\\192.168.138.2\storage\Downloads\folder1\file1.txt",
    r"\\VBOXSVR",
    r"C:\Users\Public\Downloads\test??and??.txt",
    r"C:\Program Files (x86)\Nero\Nero 9\Nero InfoTool\InfoTool.exe",
    r"..\..\..\..\Program Files\Messenger\msmsgs.exe",
    r"E:\\",
    r"C:\ソフト\能力表.doc",
    r"C:\ドキュメント\予定表\申請書.xls.lnk",
    r"\\ファイル鯖\共有\十月\報告書.txt",
    r"D:\ﾃﾞｰﾀ\ｓｏｆｔ\表",
    r"C:\docs.old\README",
    r"c:\a,b.txt",
    r"D:\p\q\r\file.txt",
    r"\\srv\s\a\f.txt",
    r"C:\x\ポ|ソ\構\report.DOC.LNK",
]
NAMES = ["最近使ったﾌｧｲﾙ", "&ファイル", "設定(&S)", "&&Quenlarkのﾒﾆｭｰ", "表&示", "&ソ", "Ｒｅｐｏｒｔ", "a&b"]
DATE = "2026-12-01 10:20:30"


def seeds():
    out = {}
    out["fuzz_cp932"] = [sj(p) for p in PATHS] + [sj("  ＡＢｃ ａｂｃ \t"), b"\x83\x5c\x83", b"abc\x81", b"\x82\x81\x82\x9a"]
    nums = ["30", "  -2147483648", "$FFFFFFFF", "0x7fffffff", "-$1", "99999999999999999999", "0x", "$-1", "yes",
            "258", "１００", "　－＄ＦＦ", "ｆｆ", "+５"]
    out["fuzz_numbers"] = [i32(n) + i32(-1) + sj(t) for n, t in zip([0, -1, 2**31 - 1, -2**31, 123] * 3, nums)]

    listing = []
    for k, p in enumerate(PATHS[:10]):
        header = small(k % 5) + i32(2026) + i32(12) + bytes([1, 30, 45, 59])
        # The same leading bytes steer the listing: highest index, resolve,
        # sort code, AutoClear, history folder.
        files = []
        for j, q in enumerate(PATHS[k:k + 6]):
            name = q.split("\\")[-1] or "x"
            files += [name + (".lnk" if j % 3 else ".LNK"), q if j % 4 else "<not a shortcut>"]
        files += ["locked.lnk", "<locked>", "readme.txt", r"C:\x.txt"]
        listing.append(header + texts("KEY,S,T,D", r"C:\H\A,B.TXT.lnk", p, DATE, r"C:\履歴", *files))
    out["fuzz_listing"] = listing

    registry = [
        ("Version", "1.80"), ("RecentClick", "3"), ("UseFileClick", "1"), ("QuenlarkClick", "4"),
        ("PathDisp", "1"), ("PathDispNumber", "-1"), ("RecentMax", "99999999999999999999"), ("ScanTime", "0x"),
        ("ExtCheck", "$-1"), ("AutoClear", "yes"), ("IconDisp", "0"), ("MultiUser", "7"), ("SortSelect", "258"),
        ("StartMode", "-1"), ("RecentHotKey", "$1234"), ("ExtName", "htm, ｊｐｇ ,,gif,"), ("DriveName", "a,b"),
        ("PassWord", "ドロワスパ"),
    ]
    names = ["RecentMax", "ScanTime", "AutoClear", "MultiUser", "PathDiff", "ExtDisp", "PathDisp", "PathDispNumber",
             "DateTimeDisp", "ExtCheck", "ExtName", "DriveCheck", "DriveName", "NetworkCheck", "FolderCheck",
             "DateTopDisp", "SortSelect", "StartMode", "LastMode", "DbClickPassWord", "PassWord", "RecentClick",
             "RecentHotKey", "UseFileClick", "UseFileHotKey", "QuenlarkClick", "QuenlarkHotKey", "IconDisp",
             "OfficeStyle", "QuenlarkMenuDisp", "SendToRecycle", "Version"]

    def system(name, value):
        return bytes([2 * names.index(name)]) + sj(value)

    def favourite(slot, field, value):
        return bytes([1 + 2 * field, slot]) + sj(value)

    fav = [favourite(0, 0, "メモ帳"), favourite(0, 1, PATHS[0]), favourite(2, 0, ">"), favourite(2, 1, "資料"),
           favourite(5, 0, "能力表"), favourite(5, 1, PATHS[9]), favourite(5, 2, r"C:\ソフト"),
           favourite(7, 0, "  "), favourite(8, 0, "<"), favourite(98, 0, "-"), favourite(98, 1, "http://example")]
    out["fuzz_settings"] = [
        b"\0".join(system(n, v) for n, v in registry),
        b"\0".join(system(n, v) for n, v in registry[4:]) + b"\0" + b"\0".join(fav),
        b"\0".join(fav),
        system("Version", "9.0") + b"\0" + system("PathDispNumber", "3"),
    ]

    recent = []
    for mode in (0, 1, 2, 3, 4, 7):
        for dtd in (0, 1, 2, 3, 4):
            header = (bytes([0]) + small(mode) + small(dtd) + bytes([mode % 5, dtd % 2, mode % 2, 1])
                      + i32(0) + i32(ord("S")) + bytes([dtd % 2, mode % 2]))
            pairs = []
            for p in PATHS[mode:mode + 6]:
                pairs += [p, DATE]
            recent.append(header + texts(*pairs))
    recent.append(bytes([0]) + small(2) + small(1) + bytes([2, 1, 1, 1]) + i32(0) + i32(0x835C) + bytes([0, 0])
                  + texts(*[x for n in NAMES for x in (r"C:\ソ\\" + n, DATE)]))
    out["fuzz_recent_menu"] = recent

    favourites = []
    tables = [
        [">", "Docs", "P", r"C:\p.txt", "Q", "*http://q", "<", "", "R", r"C:\ソフト\r.doc"],
        ["メモ帳", PATHS[0], "-", "", ">", "資料", "&能力", PATHS[9], ">", "次", "x", "HTTP:x", "-", ""],
        [n for name in NAMES for n in (name, r"C:\表\\" + name)],
    ]
    for k, table in enumerate(tables):
        count = len(table) // 2
        for count_byte in (0, 1 + 2 * (count + 14), 1 + 2 * (99 + 14), 1):
            favourites.append(bytes([count_byte, 1, k % 2]) + i32(0) + i32(ord("&")) +
                              texts(r"C:\Program Files\Quenlark\quenlark.exe", *table))
    out["fuzz_favourites_menu"] = favourites

    model = []
    for texts_ in (["30", "5", "htm,jpg,gif", "a,b", "パス", "2.4.2"],
                   ["１００", "　６０", "", "", "", "1.80"],
                   ["9", "61", "x", "y", "z", ""],
                   ["$64", "+1", "ｈｔｍ", "ｃ", "", "9.9"]):
        for clicks in ((0, 1, 3), (0, 0, 3), (9, 1, 2), (5, 4, 3)):
            header = (small(2) + small(9) + small(-1) + bytes([4, 7]) + bytes(clicks) + i32(0x4041) + bytes([1, 0])
                      + bytes([1]) + bytes([1, 1, 0]) + i32(12) + small(3) + small(4) + i32(0x0341) + i32(0xE041))
            model.append(header + texts(*texts_))
    out["fuzz_setting_model"] = model

    clear = []
    folder = r"C:\Documents and Settings\user\Recent\Quenlark"
    for k in range(4):
        header = bytes([k & 1, (k >> 1) & 1, 1]) + i32(0) + i32(0) + i32(-1 if k == 3 else 0) + i32(0) * 2 + i32(0) * 2 + i32(0)
        pairs = []
        for p in PATHS:
            name = (p.split("\\")[-1] or "x") + ".lnk"
            pairs += [name, p]
        pairs += ["a?b.lnk", r"C:\a.txt", r"sub\x.lnk", r"C:\b.txt", "表.LNK", r"C:\表", "x.lnkx", r"C:\x"]
        clear.append(header + texts(folder if k else "", *pairs))
    out["fuzz_select_clear"] = clear

    out["fuzz_click_table"] = [bytes(k) for k in ((0, 1, 3), (3, 0, 1), (2, 5, 4), (255, 6, 0), (1, 1, 1))]

    # The favourites editor: slot count, number of operations, the
    # operations (code, argument), then the texts the slots and fields take.
    editor_texts = [">", "Docs", "Memo", "<", "-", " Plan ", r"C:\Docs\Report.LNK", "ソ.lnk", "", "E:\\", *PATHS]
    editor = []
    for slots, script in ((0, [1, 0, 2, 0, 1, 3]), (6, [0, 7, 5, 0, 6, 0, 0, 13, 4, 0]),
                          (99, [1, 2, 0, 40, 4, 0, 7, 6, 2, 0]), (4, [0, 0, 3, 5, 8, 6, 8, 7])):
        editor.append(bytes([slots, len(script) // 2] + script) + texts(*editor_texts))
    out["fuzz_use_file_setting"] = editor
    return out


def main():
    for target, inputs in seeds().items():
        folder = os.path.join(HERE, "corpus", target)
        os.makedirs(folder, exist_ok=True)
        # Inputs kept from fuzzing runs (other names) stay.
        for old in os.listdir(folder):
            if old.startswith("seed-"):
                os.remove(os.path.join(folder, old))
        for k, data in enumerate(inputs):
            with open(os.path.join(folder, "seed-%02d" % k), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
