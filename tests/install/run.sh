#!/usr/bin/env bash
# What `cmake --install` puts in a prefix, checked as a packager, a desktop and a shell user would:
# the manual pages, --version without a display, the desktop entry and its software-centre
# description, the level file type by name and by content, and the shell completion.
#   run.sh CMAKE BUILD_DIR PROJECT_VERSION
# Exits 77 (skipped) when a checking tool is missing; scripts/setup.sh installs them all.
set -uo pipefail
cmake=$1
build=$2
version=$3
for tool in man appstreamcli desktop-file-validate update-mime-database xdg-mime mimetype; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
share=$prefix/share
gui=0
[ -x "$prefix/bin/quorvale-editor" ] && gui=1

failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { echo "  expected '$2'"; echo "  got      '$1'"; return 1; }; }

# Manual pages: one per program, rendered without a warning, listing every command of the help.
programs=(quorvale-level)
((gui)) && programs+=(quorvale-editor)
for program in "${programs[@]}"; do
  page=$share/man/man1/$program.1
  check "$program(1) is installed" test -f "$page"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  check "$program(1) renders without warnings" same "$warnings" ""
  # Neither program may need a display for its version; the version is the project's.
  check "$program --version" same "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$prefix/bin/$program" --version)" "$program $version"
done
text=$(MANWIDTH=200 man -l "$share/man/man1/quorvale-level.1" 2>/dev/null)
for command in $("$prefix/bin/quorvale-level" --help |
  awk '/^Commands:$/ { on = 1; next } on && /^$/ { exit } on && /^  [^ ]/ { print $1 }'); do
  check "quorvale-level(1) describes $command" grep -q "^       $command " <<<"$text"
done

# Desktop entry and software-centre description under one id.
if ((gui)); then
  id=org.example.QuorvaleEditor
  check "desktop entry is valid" desktop-file-validate "$share/applications/$id.desktop"
  check "metainfo is valid" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
  check "metainfo names its desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop<" \
    "$share/metainfo/$id.metainfo.xml"

  # The level type, by name and by the first bytes: the archive's length prefix of 1, 3 or 7
  # bytes, then the text's header.
  export XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$share
  update-mime-database "$share/mime"
  level=$prefix/bin/quorvale-level
  sample=$share/quorvale-editor/Levels/first-steps.lev
  cp "$sample" "$work/named.lev"
  "$level" save "$sample" "$work/short" resize 2 2
  "$level" save "$sample" "$work/medium"
  "$level" save "$sample" "$work/long" resize 300 300
  printf '\x30{Quorvael alfa1}{}{}{}{2}{2}{0}{0}{$}{$}{$}{$}' >"$work/alfa1"
  printf '{Quorvale1}{}{}{}{2}{2}{0}{0}{$}{$}{$}{$}' >"$work/unprefixed"
  printf '\x05hello' >"$work/other"
  type_of() { env -i PATH="$PATH" HOME="$work" XDG_DATA_HOME="$XDG_DATA_HOME" XDG_DATA_DIRS="$XDG_DATA_DIRS" \
    xdg-mime query filetype "$1"; }
  for file in named.lev short medium long alfa1; do
    check "$file is a level file" same "$(type_of "$work/$file")" application/x-quorvale-level
  done
  for file in unprefixed other; do
    check "$file is not a level file" test "$(type_of "$work/$file")" != application/x-quorvale-level
  done
fi

# Shell completion, called as bash calls it.
completions() {
  env PATH="$prefix/bin:$PATH" bash -c '
    source "$1"
    shift
    cd "$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _quorvale_level
    ((${#COMPREPLY[@]} == 0)) || printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' \
    - "$share/bash-completion/completions/quorvale-level" "$share/quorvale-editor" quorvale-level "$@"
}
contains() {
  local word
  for word in "${@:2}"; do
    [[ " $1 " == *" $word "* ]] || { echo "  '$word' is not among: $1"; return 1; }
  done
}
check "completes commands and options" contains "$(completions '')" --help --version cat info shoot
check "completes a command" same "$(completions ca)" "cat "
check "completes a command's options" same "$(completions render Levels/first-steps.lev x.png --)" \
  "--cell --help --no-grid "
check "completes file names" same "$(completions info Lev)" "Levels "
check "completes folders for --bites" same "$(completions random x.lev --bites RB)" "RBites "
check "completes operations after the files" same "$(completions save a.lev b.lev fl)" "flip-h flip-v "
check "leaves an operation's arguments alone" same "$(completions cat a.lev set 1 '')" ""
check "completes the operation after them" same "$(completions cat a.lev set 1 2 S0T8 re)" "rect resize "

echo "$failures failed"
[ "$failures" -eq 0 ]
