#!/usr/bin/env bash
# Builds every release of the game into dist/: the Debian package and the
# source tarball, and, when their build folders are there, the Windows zip
# and the browser version as a zip. The tarball holds what is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-deps.sh scripts/release-packages.txt
version=$(sed -n 's/^project(sonarch VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
jobs=$(nproc)
root=$PWD
rm -rf dist
mkdir dist

# Built with all of Debian's hardening flags, installed under /usr.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DSONARCH_TESTS=OFF \
      -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-release -j"$jobs"
(cd build-release && cpack -G DEB >/dev/null)
mv build-release/sonarch_*.deb dist/

git archive --format=tar.gz --prefix="sonarch-$version/" -o "dist/sonarch-$version.tar.gz" HEAD
[ -z "$(git status --porcelain)" ] ||
    echo "release: the working tree has uncommitted changes; the tarball holds HEAD only" >&2

if [ -f build-windows/CMakeCache.txt ]; then
    cmake --build build-windows -j"$jobs"
    (cd build-windows && cpack -G ZIP >/dev/null)
    cp build-windows/*.zip dist/
fi

if [ -f build-web/CMakeCache.txt ]; then
    scripts/build-web.sh
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    cp -r build-web/web "$stage/sonarch-$version-web"
    (cd "$stage" && cmake -E tar cf "$root/dist/sonarch-$version-web.zip" --format=zip "sonarch-$version-web")
fi

(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
