# Shared by scripts/build and scripts/test: configures a build tree once, with Ninja.
configure_tree() {
  local tree="$1"
  shift
  if [ -f "$tree/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$tree/CMakeCache.txt"; then
    echo "$tree/ was configured with another generator: configuring it anew with Ninja"
    rm -rf "$tree"
  fi
  if [ ! -f "$tree/CMakeCache.txt" ]; then
    cmake -S . -B "$tree" -G Ninja "$@" >/dev/null
  fi
}
