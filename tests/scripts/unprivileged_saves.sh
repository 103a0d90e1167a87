#!/usr/bin/env bash
# Font-file replacement as an ordinary user, where permission bits count (root ignores them):
# a read-only file is refused, a 0600 file keeps its mode and owner, a file in a folder the user
# may not write stays as it was. Usage: unprivileged_saves.sh RUNEWRIGHT_CLI
set -u
cli="$1"
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null; then
  echo "SKIP: needs root and setpriv to become the unprivileged user 65534"; exit 0
fi
dir=$(mktemp -d /tmp/runewright-nobody-XXXXXX)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
as_nobody() { setpriv --reuid 65534 --regid 65534 --clear-groups "$@"; }
if ! as_nobody test -x "$cli"; then
  echo "SKIP: $cli is not reachable by user 65534"; exit 0
fi
T="--edition rus --model s45 --kind normal"
head -c 2097152 /dev/urandom >"$dir/dump.bin"
fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }

chown 65534:65534 "$dir"
as_nobody cp "$dir/dump.bin" "$dir/own.bin"
as_nobody "$cli" extract $T "$dir/own.bin" "$dir/ro.sft" >/dev/null 2>&1
cp "$dir/ro.sft" "$dir/before.sft"
chmod 444 "$dir/ro.sft"
msg=$(as_nobody "$cli" extract $T "$dir/own.bin" "$dir/ro.sft" 2>&1); code=$?
check "a 0444 font file in a writable folder is refused" \
  '[ $code = 1 ] && [[ "$msg" == *"read-only file"* ]] && cmp -s "$dir/ro.sft" "$dir/before.sft"'

as_nobody cp "$dir/before.sft" "$dir/private.sft"
chmod 600 "$dir/private.sft"
as_nobody "$cli" extract $T "$dir/own.bin" "$dir/private.sft"; code=$?
check "a 0600 font file keeps its mode and owner" \
  '[ $code = 0 ] && [ "$(stat -c %a:%u "$dir/private.sft")" = 600:65534 ]'

cp "$dir/before.sft" "$dir/roots.sft"; chown 0:0 "$dir/roots.sft"; chmod 644 "$dir/roots.sft"
msg=$(as_nobody "$cli" extract $T "$dir/own.bin" "$dir/roots.sft" 2>&1); code=$?
check "another user's 0644 font file is refused, not replaced through the writable folder" \
  '[ $code = 1 ] && [[ "$msg" == *"read-only file"* ]] && [ "$(stat -c %u "$dir/roots.sft")" = 0 ]'

chown 0:0 "$dir"
msg=$(as_nobody "$cli" inject --force $T "$dir/before.sft" "$dir/dump.bin" 2>&1); code=$?
check "a fullflash the user may not write is left alone" \
  '[ $code = 1 ] && [[ "$msg" == *"File access denied"* ]] && [ ! -e "$dir/dump.bin.rwj" ]'
echo "$((4 - fails)) passed, $fails failed"
[ $fails = 0 ]
