#!/usr/bin/env python3
"""The winget manifests scripts/package wrote against the files they name:
the required fields, one package and the project's version in all three,
and for each installer a file of PACKAGES-DIR whose SHA-256 is the one given
(a portable zip holding the program it names).
    package_manifest.py PACKAGES-DIR VERSION"""
import hashlib, os, sys, zipfile
import yaml

packages, version = sys.argv[1:3]
def load(kind, name, fields):
    doc = yaml.safe_load(open(os.path.join(packages, "winget", name), encoding="utf-8"))
    want = dict(fields, ManifestType=kind, ManifestVersion="1.6.0", PackageIdentifier="Kestrow.Quenlark", PackageVersion=version)
    wrong = {k: doc.get(k) for k, v in want.items() if (doc.get(k) != v if v else not doc.get(k))}
    assert not wrong, "%s: %s" % (name, wrong)
    return doc
ver = load("version", "Kestrow.Quenlark.yaml", {"DefaultLocale": "en-US"})
load("defaultLocale", "Kestrow.Quenlark.locale.en-US.yaml",
     {"PackageLocale": "en-US", "Publisher": "", "PackageName": "", "License": "", "ShortDescription": ""})
kinds = set()
for i in load("installer", "Kestrow.Quenlark.installer.yaml", {"Installers": ""})["Installers"]:
    kinds.add((i["Architecture"], i["InstallerType"]))
    url = i["InstallerUrl"]
    file = os.path.join(packages, url.rsplit("/", 1)[-1])
    assert url.startswith("https://") and os.path.isfile(file), "no %s for %s" % (file, url)
    assert i["InstallerSha256"] == hashlib.sha256(open(file, "rb").read()).hexdigest().upper(), "checksum of " + file
    if i["InstallerType"] == "nullsoft":
        assert i["Scope"] == "user" and i["AppsAndFeaturesEntries"][0]["DisplayVersion"] == version, file
    else:
        nested = [n["RelativeFilePath"].replace("\\", "/") for n in i["NestedInstallerFiles"]]
        assert i["NestedInstallerType"] == "portable" and set(nested) <= set(zipfile.ZipFile(file).namelist()), file
    print("ok: %s %s, %s" % (i["Architecture"], i["InstallerType"], os.path.basename(file)))
assert kinds == {(a, t) for a in ("x64", "x86") for t in ("nullsoft", "zip")}, kinds
print("winget manifests of %s passed" % version)
