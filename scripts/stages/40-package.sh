#!/usr/bin/env bash
# The Debian package: a Release build, cpack, a look at what the package holds, validation of its desktop
# entry and AppStream metadata, lintian, and a start of the packaged program. On CI the package is also
# installed with apt-get, started from /usr/bin and removed again.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh desktop-file-utils appstream dpkg-dev lintian
started=$SECONDS

cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DTALLYO_WERROR=ON \
    -DTALLYO_BUILD_TESTS=OFF -DTALLYO_BUILD_BENCH=OFF >/dev/null
cmake --build build/package -j"$(nproc)"
rm -f build/package/tallyo97_*.deb
(cd build/package && cpack -G DEB >/dev/null)
debs=(build/package/tallyo97_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "Built $deb"

fail() {
    echo "package check failed: $*"
    exit 1
}

contents=$(dpkg-deb -c "$deb")
sizes=(16 22 24 32 48 64 128 256)
expected=(./usr/bin/tallyo97
    ./usr/share/applications/tallyo97.desktop
    ./usr/share/metainfo/io.github.tallyo97.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/tallyo97.svg
    ./usr/share/man/man1/tallyo97.1.gz
    ./usr/share/doc/tallyo97/copyright
    ./usr/share/doc/tallyo97/changelog.gz)
for size in "${sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/tallyo97.png")
done
for path in "${expected[@]}"; do
    grep -q " ${path}\$" <<<"$contents" || fail "$path is missing"
done

[ "$(dpkg-deb -f "$deb" Package)" = tallyo97 ] || fail "wrong package name"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6svg6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# Without Qt's Wayland plugin the program would run through XWayland on a Wayland desktop.
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"

# Informational tags (I:, P:, N:) are allowed; errors and warnings are not. Overrides, each explained,
# ship in the package itself.
lintian_status=0
lintian_report=$(lintian --display-info --fail-on error,warning "$deb") || lintian_status=$?
[ -z "$lintian_report" ] || echo "$lintian_report"
! grep -q '^[EW]: ' <<<"$lintian_report" || fail "lintian reports errors or warnings"
[ "$lintian_status" -eq 0 ] || fail "lintian ended with status $lintian_status"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tallyo97.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tallyo97.metainfo.xml"

# The version is written once, in CMake's project(); the package, the AppStream release, the changelog and
# the manual page all take it from there.
version=$(dpkg-deb -f "$deb" Version)
metainfo="$root/usr/share/metainfo/io.github.tallyo97.metainfo.xml"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "AppStream release is not $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
    || fail "AppStream data names no project licence"
changelog_version=$(gzip -dc "$root/usr/share/doc/tallyo97/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
[ "$changelog_version" = "$version" ] || fail "changelog is for $changelog_version, package is $version"
title=$(gzip -dc "$root/usr/share/man/man1/tallyo97.1.gz" | sed -n '/^\.TH /p')
grep -qF "\"Tallyo 97 $version\"" <<<"$title" || fail "manual page is not for version $version: $title"
grep -q '^License: GPL-3+$' "$root/usr/share/doc/tallyo97/copyright" || fail "copyright names no GPL-3+"

# Each PNG must be as large as its folder says; the width and height stand in the IHDR chunk.
for size in "${sizes[@]}"; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/tallyo97.png"
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || fail "$png is ${width}x${height}"
done

# The program has no way to quit by itself: a start counts when it is still running after a few seconds.
still_running() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$@" || status=$?
    [ "$status" -eq 124 ] || fail "$* ended early with status $status"
}
still_running "$root/usr/bin/tallyo97"

installed_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}

# Installed as a person would, Recommends included, so qt6-wayland must come along; afterwards everything
# the installation added is removed again, leaving the machine as it was.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    ! dpkg-query -W -f='${Status}' tallyo97 2>/dev/null | grep -q "install ok installed" \
        || fail "tallyo97 is installed already; not touching it"
    apt-cache show qt6-wayland >/dev/null 2>&1 || apt-get update -qq
    before=$(installed_packages)
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
    added=$(comm -13 <(echo "$before") <(installed_packages))
    status=0
    (still_running /usr/bin/tallyo97) || status=$?
    wayland=$(dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null || true)
    # shellcheck disable=SC2086 # one package name per word
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq $added >/dev/null
    [ "$status" -eq 0 ] || exit "$status"
    [ "$wayland" = "install ok installed" ] || fail "installing the package did not bring qt6-wayland"
    echo "Installed, started and removed $deb (with $(wc -w <<<"$added") packages in all)"
fi
echo "Package stage took $((SECONDS - started)) s"
