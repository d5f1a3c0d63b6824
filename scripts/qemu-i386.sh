#!/usr/bin/env bash
# Lets a machine whose kernel cannot execute 32-bit x86 code run it under
# user-mode emulation: extracts Debian's qemu-user 10 from bookworm-backports
# into DIR and registers its qemu-i386 for 32-bit x86 programs with the
# kernel's binfmt_misc, so that the 32-bit Wine and every program it starts
# run under it. Not bookworm's own qemu 7.2: it ignores MAP_FIXED_NOREPLACE,
# and Wine then crawls. The package comes through an apt state of its own, as
# in scripts/wine32-root.sh: the machine's apt and dpkg state is never touched.
# Needs root. Exits 3 when the package cannot be had.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: scripts/qemu-i386.sh DIR" >&2
  exit 2
fi
dir=$(realpath -m "$1")
name=kalimor-qemu-i386
binfmt=/proc/sys/fs/binfmt_misc
interpreter=$dir/usr/libexec/qemu-binfmt/i386-binfmt-P

if [ ! -x "$dir/usr/bin/qemu-i386" ]; then
  work=$dir.partial
  rm -rf "$work"
  mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/parts" "$work/root"
  : >"$work/status"
  # Backports from the mirror that the machine takes bookworm from.
  site=$(apt-get indextargets --format '$(SITE) $(RELEASE)' | awk '$2 == "bookworm" { print $1; exit }')
  [ -n "$site" ] || { echo "qemu-i386: the machine takes no bookworm packages to find backports beside" >&2; exit 3; }
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $site bookworm-backports main" >"$work/sources.list"
  apt=(apt-get -q -o Dir::State="$work" -o Dir::State::Lists="$work/lists" -o Dir::State::status="$work/status"
    -o Dir::Cache="$work" -o Dir::Cache::Archives="$work/archives"
    -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts="$work/parts")
  "${apt[@]}" update || exit 3
  # The package is static: it needs nothing else.
  (cd "$work/archives" && "${apt[@]}" download qemu-user/bookworm-backports) || exit 3
  deb=$(ls "$work"/archives/qemu-user_*.deb)
  dpkg-deb -x "$deb" "$work/root"
  rm -rf "$dir"
  mv "$work/root" "$dir"
  rm -rf "$work"
fi
"$dir/usr/bin/qemu-i386" --version | head -n 1

[ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
if [ -e "$binfmt/$name" ]; then
  grep -qx "interpreter $interpreter" "$binfmt/$name" && exit 0
  echo -1 >"$binfmt/$name"
fi
# The magic and mask of a 32-bit x86 ELF executable, as Debian's own
# qemu-i386.conf has them. The newest entry wins over older ones, so another
# qemu registered before stays out of the way. F opens the interpreter now,
# so that it is found from any mount namespace and root.
magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
echo ":$name:M::$magic:$mask:$interpreter:OPF" >"$binfmt/register"
