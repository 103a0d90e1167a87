# The page (web/): its pinned tools, the type check, the bundle and the static site in
# build-web/site/, and its browser tests. Sourced by scripts/run and scripts/test, from the
# repository's root, after scripts/web-tests.sh, which builds the core module (build-web/core/).

web_site=build-web/site
web_core=build-web/core

# npm ci from the lock file, again only when the lock file changed since the last install.
web_page_install() {
  local stamp=web/node_modules/.runewright-lock
  local lock
  lock=$(sha256sum web/package-lock.json | cut -d' ' -f1)
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$lock" ]; then
    return 0
  fi
  if ! command -v npm >/dev/null; then
    echo "npm is missing: install the Debian package npm" >&2
    return 1
  fi
  # The browser is Debian's chromium: puppeteer must not fetch one of its own.
  (cd web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error \
    --registry=https://registry.npmjs.org/)
  echo "$lock" >"$stamp"
}

# Type-checks and bundles the page and assembles build-web/site/ with the core module beside it.
web_page_build() {
  local file
  for file in runewright-core.js runewright-core.wasm; do
    if [ ! -f "$web_core/$file" ]; then
      echo "$web_core/$file is missing: the core module must be built first" >&2
      return 1
    fi
  done
  web_page_install
  # Nothing to do when no source of the site is newer than the site.
  if [ -f "$web_site/main.js" ] && [ -z "$(find web/src web/index.html web/styles.css \
    web/package-lock.json "$web_core" -newer "$web_site/main.js" -print -quit)" ]; then
    return 0
  fi
  (cd web && node_modules/.bin/tsc -p .)
  mkdir -p "$web_site"
  (cd web && node_modules/.bin/esbuild src/main.ts --bundle --format=esm --target=es2020 \
    --minify --sourcemap --log-level=warning --outfile="../$web_site/main.js")
  cp -p web/index.html web/styles.css "$web_core/runewright-core.js" \
    "$web_core/runewright-core.wasm" "$web_site/"
}

# Serves the site on the loopback interface only, on 8040 or $RUNEWRIGHT_WEB_PORT.
web_page_serve() {
  local port="${RUNEWRIGHT_WEB_PORT:-8040}"
  echo "Runewright: http://127.0.0.1:$port/ (Ctrl+C ends it)"
  exec python3 -m http.server --bind 127.0.0.1 --directory "$web_site" "$port"
}

# Why the page cannot be built or tested here; empty when it can.
web_page_unavailable() {
  local why
  why=$(web_unavailable)
  if [ -n "$why" ]; then
    echo "$why"
  elif ! command -v npm >/dev/null 2>&1; then
    echo "npm is not installed"
  elif [ ! -x /usr/bin/chromium ]; then
    echo "Debian's chromium is not installed"
  fi
}

# The browser tests in Debian's chromium, headless; they compare with the native command-line
# tool of the build tree given as $1.
web_page_tests() {
  local why
  why=$(web_page_unavailable)
  if [ -n "$why" ]; then
    echo "--- The page's browser tests: skipped ($why)"
    return 0
  fi
  echo "--- The page in chromium (web/tests/)"
  RUNEWRIGHT_CLI="$1" RUNEWRIGHT_SITE="$web_site" node --test --test-concurrency=1 web/tests/
}
