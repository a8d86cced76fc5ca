#!/usr/bin/env bash
# A small mutation run: puts one fault at a time into the code, builds, runs the tests and takes
# the fault out again. A fault that makes a test fail is killed; one that every test lets pass
# survived, and shows where the suite would miss a real fault.
#
#   scripts/mutants.sh [--build DIR] [--list FILE] [--only REGEX] [--check]
#
#   --build DIR   the build folder to use (default: build in the checkout); made when missing
#   --list FILE   the faults (default: scripts/mutants.txt beside this script)
#   --only REGEX  only the faults whose line matches REGEX
#   --check       only check that every fault still finds its line; builds and runs nothing
#
# Each line of the list is
#   FILE :: CODE :: FAULT :: TEST PROGRAMS
# CODE must occur exactly once in FILE (a piece of one line, not a line number, so that a fault
# follows its code when the code moves: move the line with it); the run replaces it by FAULT. To
# keep the run well under an hour on two cores, each fault runs only the tests of the programs
# named last (the subsystem that owns the code and those that use it directly), on the plain
# build, and stops at the first failing test. The end-to-end and install runs are left out: they
# need an X server and an install, and the programs' own tests reach the same code.
#
# Whatever happens (a failure, Ctrl+C), the file under change is put back as it was. Exits 1 when
# a fault no longer finds its line or does not build, so that a stale list is noticed.
set -uo pipefail

script_dir=$(cd "$(dirname "$0")" && pwd)
root=$(git -C "$script_dir" rev-parse --show-toplevel)
build="$root/build"
list="$script_dir/mutants.txt"
only=""
check=0
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$(realpath -m "$2"); shift 2 ;;
    --list) list=$(realpath "$2"); shift 2 ;;
    --only) only="$2"; shift 2 ;;
    --check) check=1; shift ;;
    *) echo "usage: $0 [--build DIR] [--list FILE] [--only REGEX] [--check]" >&2; exit 64 ;;
  esac
done

work=$(mktemp -d)
pending=""  # the file under change, restored from $work/original
restore() {
  if [ -n "$pending" ]; then
    cat "$work/original" > "$pending"
    pending=""
  fi
}
finish() {
  restore
  rm -rf "$work"
}
trap finish EXIT
trap 'echo; echo "interrupted: the tree is as it was" >&2; exit 130' INT TERM HUP

# count FILE CODE: how often CODE occurs in FILE.
count() {
  CODE="$2" perl -0777 -ne 'my $n = 0; my $p = 0; while (($p = index($_, $ENV{CODE}, $p)) >= 0) { $n++; $p++ } print $n' "$1"
}
# apply FILE CODE FAULT: replaces the one CODE by FAULT.
apply() {
  CODE="$2" FAULT="$3" perl -0777 -i -pe 'my $p = index($_, $ENV{CODE}); substr($_, $p, length $ENV{CODE}) = $ENV{FAULT}' "$1"
}

# Parses the list into arrays of file, code, fault and test programs.
files=() codes=() faults=() programs=()
stale=0
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in ''|'#'*) continue ;; esac
  if [ -n "$only" ] && ! grep -qE -- "$only" <<<"$line"; then
    continue
  fi
  file=${line%% :: *}; rest=${line#* :: }
  code=${rest%% :: *}; rest=${rest#* :: }
  fault=${rest%% :: *}; tests=${rest#* :: }
  if [ "$fault" = "$rest" ]; then tests=""; fi
  found=0
  [ -f "$root/$file" ] && found=$(count "$root/$file" "$code")
  if [ "$found" != 1 ]; then
    echo "STALE      $file: '$code' found $found times" >&2
    stale=$((stale + 1))
    continue
  fi
  files+=("$file") codes+=("$code") faults+=("$fault") programs+=("$tests")
done < "$list"
echo "${#files[@]} faults, $stale stale"
if [ $check = 1 ]; then
  [ $stale = 0 ]
  exit
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON >/dev/null || exit 1
fi
export QT_QPA_PLATFORM=offscreen
echo "building the unchanged tree in $build"
cmake --build "$build" -j2 >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

# The test suites of each test program, from CTest's own list: program name -> a regex of the
# suites (the part of a test's name before its first dot).
declare -A tests_of
while IFS=$'\t' read -r program suites; do
  tests_of[$program]=$suites
done < <(ctest --test-dir "$build" --show-only=json-v1 2>/dev/null | perl -MJSON::PP -e '
  local $/; my $data = decode_json(<STDIN>); my %suites;
  for my $t (@{$data->{tests}}) {
    next unless $t->{command};
    my ($program) = $t->{command}[0] =~ m{([^/]+)$};
    my ($suite) = $t->{name} =~ /^([^.]+)\./;
    $suites{$program}{quotemeta $suite} = 1 if $program =~ /^test_/ && defined $suite;
  }
  print "$_\t", join("|", sort keys %{$suites{$_}}), "\n" for sort keys %suites;')
if [ ${#tests_of[@]} = 0 ]; then
  echo "CTest lists no tests in $build" >&2
  exit 1
fi

killed=0 survived=0 unbuilt=0
survivors=()
start=$(date +%s)
for i in "${!files[@]}"; do
  file=${files[$i]}
  regex=""
  for program in ${programs[$i]:-${!tests_of[@]}}; do
    [ "$program" = all ] && { regex=""; break; }
    if [ -z "${tests_of[$program]:-}" ]; then
      echo "unknown test program '$program' for $file" >&2
      exit 1
    fi
    regex+="${regex:+|}${tests_of[$program]}"
  done
  cp "$root/$file" "$work/original"
  pending="$root/$file"
  apply "$root/$file" "${codes[$i]}" "${faults[$i]}"
  label="$file: ${codes[$i]}  =>  ${faults[$i]}"
  if ! cmake --build "$build" -j2 >"$work/build.log" 2>&1; then
    verdict="NO BUILD"
    unbuilt=$((unbuilt + 1))
  elif ctest --test-dir "$build" -j2 --stop-on-failure --timeout 120 -E "^(EndToEnd|InstallTree)\$" ${regex:+-R "^($regex)\\."} >"$work/test.log" 2>&1; then
    verdict="SURVIVED"
    survived=$((survived + 1))
    survivors+=("$label")
  else
    verdict="killed"
    killed=$((killed + 1))
  fi
  restore
  printf '%-9s %3d  %s\n' "$verdict" $((i + 1)) "$label"
done

echo "building the unchanged tree again"
cmake --build "$build" -j2 >"$work/build.log" 2>&1 || cat "$work/build.log"
total=$((killed + survived))
echo
echo "killed $killed of $total ($survived survived, $unbuilt did not build, $stale stale) in $(( ($(date +%s) - start) / 60 )) min"
for s in "${survivors[@]}"; do
  echo "  survived: $s"
done
[ $stale = 0 ] && [ $unbuilt = 0 ]
