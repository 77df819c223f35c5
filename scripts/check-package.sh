#!/usr/bin/env bash
# Makes the Debian package from a finished build and checks it: the desktop
# entry and the metainfo validate, lintian finds no error, the package holds
# every file the desktop and the shell need under one application id, its
# programs are stripped and its dependencies come from the libraries they
# link; then installs the build into a temporary prefix and runs velmara-pw
# from there. Usage: check-package.sh [BUILD_DIR] (default build/).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

rm -f "$build"/package/*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  echo "FAILED: cpack -G DEB"
  exit 1
}
debs=("$build"/package/*.deb)
deb=${debs[0]}
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Section\|Maintainer\|Depends\):/  \1:/p'

tree="$work/tree"
dpkg-deb --extract "$deb" "$tree"
dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents"

# One application id names the desktop entry, the metainfo and the icon.
desktop=("$tree"/usr/share/applications/*.desktop)
id=$(basename "${desktop[0]}" .desktop)
echo "application id: $id"
expected=(
  /usr/bin/velmara-password-generator
  /usr/bin/velmara-pw
  "/usr/share/applications/$id.desktop"
  "/usr/share/metainfo/$id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  "/usr/share/icons/hicolor/48x48/apps/$id.png"
  /usr/share/man/man1/velmara-password-generator.1.gz
  /usr/share/man/man1/velmara-pw.1.gz
  /usr/share/bash-completion/completions/velmara-pw
  /usr/share/doc/velmara-password-generator/copyright
  /usr/share/doc/velmara-password-generator/changelog.gz
  /usr/share/doc/velmara-password-generator/README.md
  /usr/share/doc/velmara-password-generator/LICENSE
)
for path in "${expected[@]}"; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
grep -qx "Icon=$id" "${desktop[0]}" || fail "the desktop entry's icon is not $id"

desktop-file-validate "${desktop[0]}" || fail "desktop-file-validate"
metainfo="$tree/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"

# Screenshot addresses mirror the repository under the project page: each
# names a PNG that is in the tree.
page=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$metainfo")
images=$(sed -n 's|.*<image[^>]*>\(.*\)</image>.*|\1|p' "$metainfo")
[[ -n "$images" ]] || fail "the metainfo has no screenshot"
for url in $images; do
  path=${url#"$page"}
  [[ "$path" != "$url" && -f "$root/$path" ]] || fail "screenshot $url is no PNG of the repository"
done

lintian --fail-on error "$deb" || fail "lintian"

for program in velmara-password-generator velmara-pw; do
  file --brief "$tree/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
depends=$(dpkg-deb --field "$deb" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] ||
  fail "Depends lacks what dpkg-shlibdeps finds: $depends"

# From source: cmake --install into a prefix, and velmara-pw runs from there.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install"
pw="$prefix/bin/velmara-pw"
head -c 2608 /dev/zero >"$work/zero.dat"
password=$("$pw" encode --type bronze "$work/zero.dat") || fail "installed velmara-pw encode"
echo "installed velmara-pw made the Bronze password of a zero record: $password"
printf '%s\n' "$password" | "$pw" decode -o "$work/decoded.dat" - || fail "installed velmara-pw decode"
[[ "$("$pw" encode --type bronze "$work/decoded.dat")" == "$password" ]] ||
  fail "the installed velmara-pw does not read back its own password"
[[ -f "$prefix/share/man/man1/velmara-pw.1.gz" ]] || fail "cmake --install left out the manual page"

if ((failures > 0)); then
  echo "package check: $failures failures"
  exit 1
fi
echo "package check passed"
