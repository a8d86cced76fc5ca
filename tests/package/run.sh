#!/usr/bin/env bash
# The Debian package of a built tree, as dpkg, apt and lintian see it: packed by cpack from the
# tree's install rules, its control fields, every library its programs and its sound module need
# among its dependencies, its files those of the install tree, and lintian without an error or a
# warning. (scripts/package.sh packs a release build with Debian's hardening flags the same way.)
#   run.sh CPACK CMAKE BUILD_DIR PROJECT_VERSION INSTALL_PREFIX
# Exits 77 (skipped) when a packaging tool is missing (scripts/setup.sh installs them all) or the
# tree is not configured for /usr.
set -uo pipefail
cpack=$1
cmake=$2
build=$3
version=$4
prefix=$5
for tool in dpkg-deb dpkg-shlibdeps dpkg-architecture file readelf lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# Where the install puts the sound module depends on the prefix configured (GNUInstallDirs): only a
# tree configured for /usr, as scripts/test.sh and scripts/package.sh configure it, packs the
# package's layout.
[ "$prefix" = /usr ] || { echo "skipped: the tree is configured for $prefix, not /usr"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { echo "  expected '$2'"; echo "  got      '$1'"; return 1; }; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAILED: cpack"; exit 1; }
arch=$(dpkg --print-architecture)
debs=("$work"/out/*.deb)
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
check "one package, named after its fields" same "${debs[*]##*/}" \
  "$(field Package)_$(field Version)_$(field Architecture).deb"
check "package name" same "$(field Package)" quorvale-editor
check "version is the project's and a Debian revision" grep -qxE "${version//./\\.}-[0-9]+" <<<"$(field Version)"
check "architecture" same "$(field Architecture)" "$arch"
# Maintainer, section, priority and description are lintian's to check.

# Every library that an ELF file of the package links (the dlopen'ed sound module too) comes
# from a package among the dependencies.
dpkg-deb -x "$deb" "$work/root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
depends=" $(field Depends | sed 's/([^)]*)//g; s/[,|]/ /g' | tr -s ' ') "
elf_files=0
unmet=""
while IFS= read -r file; do
  file -b "$file" | grep -q '^ELF' || continue
  elf_files=$((elf_files + 1))
  for soname in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    owner=$(dpkg -S "*/$multiarch/$soname" 2>/dev/null | sed -n "s/^\([^:]*\):$arch: .*/\1/p" | sort -u)
    [ -n "$owner" ] && [[ "$depends" == *" $owner "* ]] || unmet+=" ${file##*/}:$soname(${owner:-no package})"
  done
done < <(find "$work/root" -type f)
check "the programs and the sound module are ELF files of the package" test "$elf_files" -ge 3
check "every library they link comes from a dependency" same "$unmet" ""

# The files are those of the install tree, manual pages compressed, with what Debian asks of a
# package besides; no folder is empty.
DESTDIR=$work/tree "$cmake" --install "$build" --prefix /usr >/dev/null ||
  { echo "FAILED: cmake --install"; exit 1; }
(cd "$work/tree" && find . ! -type d | sed -E 's,^(\./usr/share/man/.*),\1.gz,') >"$work/expected"
printf './usr/share/doc/quorvale-editor/%s\n' copyright changelog.Debian.gz >>"$work/expected"
echo ./usr/share/lintian/overrides/quorvale-editor >>"$work/expected"
(cd "$work/root" && find . ! -type d) >"$work/packed"
check "files are those of the install tree" diff <(sort "$work/expected") <(sort "$work/packed")
check "no empty folder" same "$(find "$work/root" -mindepth 1 -type d -empty)" ""

lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1
status=$?
grep -v '^running with root privileges' "$work/lintian"
check "lintian reports no error and no warning" test "$status" -eq 0

echo "$failures failed"
[ "$failures" -eq 0 ]
