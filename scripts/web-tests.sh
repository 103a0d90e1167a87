# The web edition's part of ./scripts/test, sourced by it: the core built as a WebAssembly module
# (build-web/core/) and its Node tests against the native command-line tool (build/).
#
# Debian's Emscripten ships its system libraries prebuilt in a read-only cache
# (/usr/share/emscripten/cache), so a build compiles only this project's sources, as any user.
# Where Emscripten or Node is missing, the web part is skipped with one line saying so.

# Why the web part cannot run here; empty when it can.
web_unavailable() {
  if ! command -v emcmake >/dev/null 2>&1; then
    echo "Emscripten (emcmake) is not installed"
  elif ! command -v node >/dev/null 2>&1; then
    echo "Node is not installed"
  elif ! node -e 'process.exit(Number(process.versions.node.split(".")[0]) >= 18 ? 0 : 1)'; then
    echo "Node $(node --version) is older than 18, which has the test runner"
  fi
}

# Configures build-web/ once: Ninja, the same unity batches as the other trees.
web_configure() {
  if [ ! -f build-web/CMakeCache.txt ] ||
    ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' build-web/CMakeCache.txt; then
    rm -rf build-web
    # emcmake tells the command it runs on its own; the output is shown only when it fails.
    local log
    log=$(mktemp)
    if ! emcmake cmake -S . -B build-web -G Ninja -DRUNEWRIGHT_WEB=ON -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >"$log" 2>&1; then
      cat "$log"
      rm -f "$log"
      return 1
    fi
    rm -f "$log"
  fi
}

# Builds the module; quick when nothing changed.
web_build() {
  cmake --build build-web -j2 --target runewright-core
}

# The Node tests of the module (tests/web/*.test.mjs), with the native tool they compare with.
web_tests() {
  local why
  why=$(web_unavailable)
  if [ -n "$why" ]; then
    echo "--- The web edition's tests: skipped ($why)"
    return 0
  fi
  echo "--- The web edition: the core module (build-web/core/) under Node"
  RUNEWRIGHT_CLI="$PWD/build/runewright-cli" node --test tests/web/
}
