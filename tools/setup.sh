#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root; skips what is there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake ninja-build mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
           googletest wine wine64 xvfb xauth x11-utils locales fonts-ipafont-gothic \
           fonts-ipafont-mincho imagemagick clang-format; do
    have "$pkg" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

# True when the kernel runs 32-bit x86 programs: a 93-byte i386 ELF that only exits 0.
runs_i386() {
    local probe; probe=$(mktemp)
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    local rc=0; "$probe" 2>/dev/null || rc=1
    rm -f "$probe"
    return $rc
}

# 32-bit Wine runs the i686 tests; without it they are reported as not run. On a kernel without
# 32-bit support it cannot start, and an installed wine32 then breaks every Wine start (the wine
# command prefers it): there it is not installed, and removed if it is.
if ! runs_i386; then
    echo "setup: this kernel does not run 32-bit programs; the 32-bit tests will not run" >&2
    if have wine32:i386; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq wine32:i386 >/dev/null
    fi
elif ! have wine32:i386 && [ "${KOR_NO_WINE32:-0}" != 1 ]; then
    echo "setup: installing wine32:i386"
    dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq wine32:i386 ||
        echo "setup: wine32 could not be installed; the 32-bit tests will not run" >&2
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating ja_JP.UTF-8"
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
