#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack, unpacks it with dpkg -x into a scratch
# root and checks its control fields and its files: the program, the shipped libraries and manual
# (byte for byte as built), the menu entry, the icons in every size and the metainfo, and nothing else.
# Usage: tools/package-test.sh BUILD_FOLDER APP_ID
set -uo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
id="${2:-io.github.kastenzahl.Kastenzahl}"
fail() {
    echo "PACKAGE TEST FAILED: $*" >&2
    exit 1
}
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$scratch"/kastenzahl_*_*.deb)
[ -f "${debs[0]}" ] || fail "no kastenzahl_*.deb in $scratch"
deb="${debs[0]}"
dpkg -x "$deb" "$scratch/root" || fail "dpkg -x could not unpack $deb"

# --- Control fields -------------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kastenzahl ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6printsupport6 libchm1 qt6-qpa-plugins fonts-liberation; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# --- Files ----------------------------------------------------------------------------------------
expected=(usr/bin/kastenzahl usr/share/applications/"$id".desktop usr/share/metainfo/"$id".metainfo.xml
          usr/share/icons/hicolor/scalable/apps/"$id".svg usr/share/kastenzahl/Kasten12.chm)
for library in "$top"/data/*.l12; do
    expected+=(usr/share/kastenzahl/"$(basename "$library")")
done
sizes=(16 32 48 64 128 256)
for n in "${sizes[@]}"; do
    expected+=(usr/share/icons/hicolor/"${n}x$n"/apps/"$id".png)
done
listing=$(cd "$scratch/root" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$listing" = "$wanted" ] || fail "the package's files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$listing"))"

[ -x "$scratch/root/usr/bin/kastenzahl" ] || fail "usr/bin/kastenzahl is not executable"
for shipped in "$build"/share/kastenzahl/*; do
    cmp -s "$shipped" "$scratch/root/usr/share/kastenzahl/$(basename "$shipped")" ||
        fail "usr/share/kastenzahl/$(basename "$shipped") differs from the built one"
done
for n in "${sizes[@]}"; do
    size=$(identify -format '%wx%h' "$scratch/root/usr/share/icons/hicolor/${n}x$n/apps/$id.png") ||
        fail "the ${n}x$n icon is no image"
    [ "$size" = "${n}x$n" ] || fail "the ${n}x$n icon is $size"
done
appstreamcli validate-tree --no-net "$scratch/root" >"$scratch/validate.log" 2>&1 ||
    { cat "$scratch/validate.log" >&2; fail "appstreamcli validate-tree failed on the unpacked package"; }

echo "package test passed: $(basename "$deb") with ${#expected[@]} files; Depends: $depends"
