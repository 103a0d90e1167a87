# Shared by scripts/build and scripts/test: configures a build tree once, with Ninja.
#
# Sources compile in batches of up to sixteen (unity builds): the headers a file includes are
# parsed once per batch instead of once per file, which halves a build from scratch. CMake leaves that choice to
# whoever builds, so it is made here; `cmake -S . -B other -DCMAKE_UNITY_BUILD=OFF` builds each
# file on its own and shows a file that compiles only inside its batch.
configure_tree() {
  local tree="$1"
  shift
  if [ -f "$tree/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$tree/CMakeCache.txt"; then
    echo "$tree/ was configured with another generator: configuring it anew with Ninja"
    rm -rf "$tree"
  fi
  if [ ! -f "$tree/CMakeCache.txt" ]; then
    cmake -S . -B "$tree" -G Ninja -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 "$@" >/dev/null
  elif ! grep -q '^CMAKE_UNITY_BUILD_BATCH_SIZE:[A-Z]*=16$' "$tree/CMakeCache.txt"; then
    cmake -S . -B "$tree" -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >/dev/null
  fi
}
