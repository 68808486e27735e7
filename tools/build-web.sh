#!/bin/sh
# Builds the web runtime (okit_runtime.js and .wasm, with the page template)
# into BUILD/web-runtime, where BUILD/okit finds it for `okit web`, and the
# login example's web build into BUILD/web/login-site.
#
#   tools/build-web.sh [BUILD]      BUILD: the native build tree, default build
#
# The web build is a cross build with Debian's Emscripten, inside the native
# tree at BUILD/web. It needs one program of the native build first:
# okit_strikegen renders the classic face's strike for it, as the web build
# has no FreeType. Nothing is downloaded.
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in emcmake emcc; do
  command -v $tool >/dev/null || { echo "build-web: $tool not found: install Debian's emscripten (tools/install-deps.sh)" >&2; exit 2; }
done
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build"
cmake --build "$build" -j2 --target okit okit_strikegen
# Warnings are errors here when they are in the native tree.
werror=$(sed -n 's/^OKIT_WERROR:BOOL=//p' "$build/CMakeCache.txt")
# Emscripten's optimizer runs on the system's Node modules.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B "$build/web" -DCMAKE_BUILD_TYPE=Release -DOKIT_WERROR="${werror:-OFF}" \
  -DOKIT_STRIKEGEN="$(cd "$build" && pwd)/tools/strikegen/okit_strikegen" \
  -DOKIT_NATIVE_OKIT="$(cd "$build" && pwd)/okit" \
  -DOKIT_WEB_RUNTIME_DIR="$(cd "$build" && pwd)/web-runtime" >/dev/null
cmake --build "$build/web" -j2
# The native tree registers the browser tests once the runtime is there.
cmake "$build" >/dev/null
echo "build-web: the runtime is in $build/web-runtime"
