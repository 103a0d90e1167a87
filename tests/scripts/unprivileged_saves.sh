#!/usr/bin/env bash
# Font-file replacement and rollback journals as ordinary users, where permission bits count
# (root ignores them): a read-only file is refused, a 0600 file keeps its mode and owner, a file
# in a folder the user may not write stays as it was; a journal another user put beside a dump
# is never applied, and a read-only dump names the journal that waits for it.
# Usage: unprivileged_saves.sh RUNEWRIGHT_CLI
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
passed=0
check() {
  if eval "$2"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; fails=$((fails + 1)); fi
}

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

# A save of user 65534 into a dump in a shared sticky folder, killed at its 40th write.
if command -v strace >/dev/null; then
  shared=$(mktemp -d /tmp/runewright-shared-XXXXXX)
  trap 'rm -rf "$dir" "$shared"' EXIT
  chmod 1777 "$shared"
  as_nobody cp "$dir/dump.bin" "$shared/d.bin"
  (strace -f -o /dev/null -e trace=pwrite64 -e inject=pwrite64:signal=KILL:when=40 \
    setpriv --reuid 65534 --regid 65534 --clear-groups \
    "$cli" inject --force $T "$dir/before.sft" "$shared/d.bin" >/dev/null || true) 2>/dev/null
  check "a save cut off leaves a journal that only its owner may read and write" \
    '[ "$(stat -c %a:%u "$shared/d.bin.rwj" 2>/dev/null)" = 600:65534 ]'
  cp "$shared/d.bin" "$dir/torn.bin"
  mv "$shared/d.bin.rwj" "$dir/own.rwj"

  # User 65533 puts the very same journal there, as their own file.
  cp "$dir/own.rwj" "$shared/d.bin.rwj"
  chown 65533:65533 "$shared/d.bin.rwj"; chmod 644 "$shared/d.bin.rwj"
  msg=$(as_nobody "$cli" extract $T "$shared/d.bin" "$shared/x.sft" 2>&1); code=$?
  check "another user's journal beside a dump in a sticky folder is refused, the dump left alone" \
    '[ $code = 1 ] && [[ "$msg" == *"d.bin.rwj was left by "*", who may not write this image"* ]] &&
     cmp -s "$shared/d.bin" "$dir/torn.bin" && [ ! -e "$shared/x.sft" ]'
  rm "$shared/d.bin.rwj"

  cp -p "$dir/own.rwj" "$shared/d.bin.rwj"
  chmod 444 "$shared/d.bin"
  msg=$(as_nobody "$cli" extract $T "$shared/d.bin" "$shared/x.sft" 2>&1); code=$?
  check "a read-only dump with a journal waiting for it names the journal" \
    '[ $code = 1 ] && [[ "$msg" == *"File access denied: d.bin.rwj, left by an interrupted save"* ]] &&
     cmp -s "$shared/d.bin" "$dir/torn.bin"'
  chmod 644 "$shared/d.bin"
  msg=$(as_nobody "$cli" preview $T "$shared/d.bin" "AB" "$shared/p.png" 2>&1); code=$?
  check "its owner's journal is rolled back by a preview, which says so" \
    '[ $code = 0 ] && [[ "$msg" == *"a save into it was interrupted"* ]] &&
     cmp -s "$shared/d.bin" "$dir/dump.bin" && [ ! -e "$shared/d.bin.rwj" ]'
else
  echo "SKIP: the journal cases need strace to cut a save off"
fi
echo "$passed passed, $fails failed"
[ $fails = 0 ]
