#!/usr/bin/env bash
# The Debian package: a Release build, cpack, a look at what the package holds, validation of its desktop
# entry and AppStream metadata, and a start of the packaged program. On CI the package is also installed
# with apt-get, started from /usr/bin and removed again.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh desktop-file-utils appstream dpkg-dev
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
    ./usr/share/icons/hicolor/scalable/apps/tallyo97.svg)
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

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tallyo97.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tallyo97.metainfo.xml"

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

if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    ! dpkg-query -W -f='${Status}' tallyo97 2>/dev/null | grep -q "install ok installed" \
        || fail "tallyo97 is installed already; not touching it"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
    status=0
    (still_running /usr/bin/tallyo97) || status=$?
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tallyo97 >/dev/null
    [ "$status" -eq 0 ] || exit "$status"
    echo "Installed, started and removed $deb"
fi
echo "Package stage took $((SECONDS - started)) s"
