#!/usr/bin/env python3
"""The winget manifests scripts/package wrote (build/packages/winget) against
the files they name: every required field is there, the three files agree on
the package and its version (the project's), and each installer's download
names a file of build/packages whose SHA-256 is the one given; a portable
zip's nested program is in the zip.

    package_manifest.py PACKAGES-DIR VERSION
"""
import hashlib, os, sys, zipfile
import yaml

packages, version = sys.argv[1], sys.argv[2]
failures = []
def check(ok, what):
    failures.append(what) if not ok else print("ok:", what)

def load(kind, name):
    path = os.path.join(packages, "winget", name)
    if not os.path.exists(path):
        sys.exit("FAIL: no %s (scripts/package writes it)" % path)
    doc = yaml.safe_load(open(path, encoding="utf-8"))
    check(doc.get("ManifestType") == kind and doc.get("ManifestVersion") == "1.6.0", "%s is a 1.6.0 %s manifest" % (name, kind))
    check(doc.get("PackageIdentifier") == "Kestrow.Quenlark" and doc.get("PackageVersion") == version,
          "%s: Kestrow.Quenlark %s" % (name, doc.get("PackageVersion")))
    return doc

ver = load("version", "Kestrow.Quenlark.yaml")
loc = load("defaultLocale", "Kestrow.Quenlark.locale.%s.yaml" % ver.get("DefaultLocale"))
ins = load("installer", "Kestrow.Quenlark.installer.yaml")
missing = [f for f in ("PackageLocale", "Publisher", "PackageName", "License", "ShortDescription") if not loc.get(f)]
check(not missing and loc["PackageLocale"] == ver["DefaultLocale"], "the default locale's fields (missing: %s)" % missing)
kinds = set()
for i in ins.get("Installers") or []:
    kinds.add((i.get("Architecture"), i.get("InstallerType")))
    file = os.path.join(packages, i.get("InstallerUrl", "").rsplit("/", 1)[-1])
    check(i.get("InstallerUrl", "").startswith("https://") and os.path.isfile(file), "%s is built" % file)
    if not os.path.isfile(file):
        continue
    digest = hashlib.sha256(open(file, "rb").read()).hexdigest().upper()
    check(i.get("InstallerSha256") == digest, "the SHA-256 of %s" % os.path.basename(file))
    if i["InstallerType"] == "nullsoft":
        check(i.get("Scope") == "user" and i["AppsAndFeaturesEntries"][0]["DisplayVersion"] == version,
              "%s installs for the user as version %s" % (os.path.basename(file), version))
    else:
        names = zipfile.ZipFile(file).namelist()
        nested = [n["RelativeFilePath"].replace("\\", "/") for n in i.get("NestedInstallerFiles", [])]
        check(i.get("NestedInstallerType") == "portable" and nested and all(n in names for n in nested),
              "the portable program %s is in %s" % (nested, os.path.basename(file)))
check(kinds == {(a, t) for a in ("x64", "x86") for t in ("nullsoft", "zip")}, "installers: %s" % sorted(kinds))
if failures:
    sys.exit("FAIL: " + "\nFAIL: ".join(failures))
print("winget manifests of %s passed" % version)
