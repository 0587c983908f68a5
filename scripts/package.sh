#!/usr/bin/env bash
# Builds Tessaly in Release and makes the Debian package with CPack:
# tessaly_<version>_<architecture>.deb in the top folder of the tree.
# Prints the package's path on its last line.
#
#   bash scripts/package.sh [BUILD_DIR]     (default build/package)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/package}

bash scripts/setup.sh >&2

# Debian's hardening flags, as its own package tools would build with them;
# without -g, since the package's programs are stripped anyway. The Release
# build type's optimisation comes after them and wins.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
compile_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /')"
link_flags=$(dpkg-buildflags --get LDFLAGS)

# Only the programs and what they install: no tests, no benchmarks.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_FLAGS=$compile_flags" "-DCMAKE_EXE_LINKER_FLAGS=$link_flags" \
    -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCHMARKS=OFF -DTESSALY_BUILD_FUZZERS=OFF \
    -DTESSALY_SANITIZE=OFF >&2
cmake --build "$build_dir" -j "$(nproc)" >&2

# A package from an earlier run would otherwise be taken for this one.
rm -rf "$build_dir/cpack"
# fakeroot: every file in the package belongs to root, whoever builds it.
(cd "$build_dir" && fakeroot cpack -G DEB -B cpack) >&2

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")
package=tessaly_${version}_$(dpkg --print-architecture).deb
[[ -f $build_dir/cpack/$package ]] || {
    echo "package: CPack did not make $package; it made: $(ls "$build_dir/cpack")" >&2
    exit 1
}
mv -f "$build_dir/cpack/$package" "$package"
echo "$PWD/$package"
