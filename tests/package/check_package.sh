#!/usr/bin/env bash
# Checks the Debian package as a user gets it: builds it (scripts/package.sh),
# lints it, validates its desktop entry and AppStream metadata, unpacks it
# into a scratch root and runs both programs from there: tessaly-guide writes
# a guide, and the window, started as an unprivileged user with its folder
# read-only, saves m.BMP into that user's pictures folder.
#
#   bash tests/package/check_package.sh --tests-build DIR
#
# DIR: a build with the end-to-end test tools (e2e_screenshotcheck,
# e2e_dragsource), such as build/release after the Release tests.
set -euo pipefail

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
tests_build=
while (($# > 0)); do
    case $1 in
        --tests-build) tests_build=$(cd "${2:?--tests-build needs a folder}" && pwd); shift 2 ;;
        *) fail "unknown option $1" ;;
    esac
done
[[ -n $tests_build ]] || fail "usage: $0 --tests-build DIR"
checker=$tests_build/tests/e2e/e2e_screenshotcheck
drag_source=$tests_build/tests/e2e/e2e_dragsource
[[ -x $checker && -x $drag_source ]] ||
    fail "$tests_build has no end-to-end test tools: build e2e_screenshotcheck and e2e_dragsource there"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-package.XXXXXX")
cleanup() {
    # The window check leaves the program folder read-only.
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# The unprivileged user must reach the unpacked programs.
chmod 755 "$scratch"

note "building the package"
package=$(bash "$top/scripts/package.sh" | tail -n 1)
[[ $(basename "$package") == tessaly_0.2_$(dpkg --print-architecture).deb ]] ||
    fail "the package is $package, expected tessaly_0.2_<arch>.deb"

note "the package's files"
dpkg-deb -c "$package" | tee "$scratch/contents.txt"
for path in usr/bin/tessaly usr/bin/tessaly-guide usr/bin/tessaly-studio \
    usr/share/applications/io.github.tessaly.Tessaly.desktop \
    usr/share/applications/io.github.tessaly.Studio.desktop \
    usr/share/metainfo/io.github.tessaly.Studio.metainfo.xml \
    usr/share/mime/packages/io.github.tessaly.Studio.xml \
    usr/share/man/man1/tessaly-studio.1.gz \
    usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/io.github.tessaly.Tessaly.png \
    usr/share/metainfo/io.github.tessaly.Tessaly.metainfo.xml \
    usr/share/man/man1/tessaly.1.gz usr/share/man/man1/tessaly-guide.1.gz \
    usr/share/doc/tessaly/copyright; do
    grep -q " \./$path\$" "$scratch/contents.txt" || fail "the package lacks /$path"
done
dpkg-deb -f "$package" Depends | tee "$scratch/depends.txt"
grep -q 'fonts-wqy-microhei | fonts-noto-cjk' "$scratch/depends.txt" || fail "no CJK font among the dependencies"
grep -q 'libqt6widgets6' "$scratch/depends.txt" || fail "dpkg-shlibdeps found no Qt dependency"

note "lintian"
lintian_status=0
lintian --info "$package" >"$scratch/lintian.txt" 2>&1 || lintian_status=$?
cat "$scratch/lintian.txt"
kept=$(grep -v '^#' "$here/lintian-kept-warnings.txt" | grep .)
while read -r kind tag; do
    case $kind in
        E:) fail "lintian reports the error $tag" ;;
        W:) grep -qxF "$tag" <<<"$kept" ||
                fail "lintian reports the warning $tag, not among tests/package/lintian-kept-warnings.txt" ;;
    esac
done < <(sed -n 's/^\([EW]:\) tessaly[^:]*: \([^ ]*\).*/\1 \2/p' "$scratch/lintian.txt")
# Without an error tag, a failure means lintian could not look at the package.
((lintian_status == 0)) || fail "lintian failed (status $lintian_status)"

root=$scratch/root
mkdir -m 755 "$root"
dpkg-deb -x "$package" "$root"

note "desktop entry and AppStream metadata"
for app in Tessaly Studio; do
    desktop-file-validate "$root/usr/share/applications/io.github.tessaly.$app.desktop" ||
        fail "desktop-file-validate rejects the desktop entry of $app"
    appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tessaly.$app.metainfo.xml" ||
        fail "appstreamcli rejects the metadata of $app"
done
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"

note "tessaly-guide from the unpacked package"
guide=$root/usr/bin/tessaly-guide
version=$("$guide" --version) || fail "tessaly-guide --version failed"
echo "$version"
grep -q '0\.2' <<<"$version" || fail "tessaly-guide --version does not name 0.2: $version"
mkdir "$scratch/guide"
"$guide" --quiet --pdf "$scratch/guide/guide.pdf" --csv "$scratch/guide/cubes.csv" ||
    fail "tessaly-guide could not write a guide of the sample picture"
[[ $(head -c 5 "$scratch/guide/guide.pdf") == %PDF- ]] || fail "guide.pdf is not a PDF"
# The sample picture at 99 x 99 gives 105 x 92 cells: 35 cubes a row, and
# 31 rows of cubes, the last one partly beyond the mosaic's edge.
cubes=$(grep -c '^[0-9][0-9]*,[0-9][0-9]*,' "$scratch/guide/cubes.csv" || true)
((cubes == 35 * 31)) || fail "cubes.csv lists $cubes cubes, expected $((35 * 31))"
awk -F, '/^[0-9]+,[0-9]+,/ && (NF != 7 || length($7) != 9 || $7 ~ /[^WYROBGK-]/) { bad = 1 } END { exit bad }' \
    "$scratch/guide/cubes.csv" ||
    fail "cubes.csv has a row that is not column,row,front,top,turns,moves,face with a nine-sticker face"
note "$cubes cubes in the guide"

note "the window from the unpacked package, as an unprivileged user"
mkdir "$scratch/window"
(cd "$scratch/window" && bash "$here/installed_window_saves_to_pictures.sh" \
    --xvfb "$(command -v Xvfb)" --xdotool "$(command -v xdotool)" --import "$(command -v import)" \
    --program "$root/usr/bin/tessaly" --checker "$checker" --drag-source "$drag_source") ||
    fail "the installed window did not save into the user's pictures folder"
note "the package passed"
