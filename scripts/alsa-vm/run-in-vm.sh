#!/usr/bin/env bash
# Runs one test executable against a real ALSA sequencer: boots Debian's own
# kernel under qemu (software emulation; these machines have no sound
# devices) with the sequencer modules loaded, runs the executable inside it,
# prints what it printed and exits with its exit status.
#
#   scripts/alsa-vm/run-in-vm.sh EXECUTABLE [ARGUMENTS...]
#
# The kernel package is fetched with "apt-get download" and never installed;
# the kernel image, its sound modules and the fixed part of the initial RAM
# disk are kept in build/alsa-vm and reused. Where the host packages or the
# kernel cannot be had, the run fails with a message that says what is
# missing; only with SLVN_ALLOW_VM_SKIP=1 is it skipped instead, with exit
# status 77 so that the caller can say so. A test executable that ran no
# test inside the VM fails the run too.
#
# Environment: SLVN_VM_TIMEOUT (seconds, default 240), SLVN_VM_MEMORY
# (default 256M), SLVN_VM_CACHE (default build/alsa-vm), SLVN_ALLOW_VM_SKIP.
source "$(dirname "$0")/../common.sh"

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 EXECUTABLE [ARGUMENTS...]" >&2
    exit 2
fi
TEST_EXE="$(readlink -f "$1")"
shift

CACHE="${SLVN_VM_CACHE:-$SLVN_ROOT/build/alsa-vm}"
VM_TIMEOUT="${SLVN_VM_TIMEOUT:-240}"
VM_MEMORY="${SLVN_VM_MEMORY:-256M}"
# The sequencer, a client with ports of its own in the kernel, the
# high-resolution timer for queues, and a virtual raw MIDI card whose ports
# behave like a hardware interface's.
SOUND_MODULES=(snd-seq snd-seq-dummy snd-hrtimer snd-virmidi)

# Exit status of a run skipped on request.
SLVN_VM_SKIPPED=77

# unavailable WHAT-IS-MISSING HOW-TO-GET-IT
unavailable() {
    if [ "${SLVN_ALLOW_VM_SKIP:-}" = 1 ]; then
        echo "ALSA sequencer VM test SKIPPED (SLVN_ALLOW_VM_SKIP=1): $1"
        exit "$SLVN_VM_SKIPPED"
    fi
    echo "ALSA sequencer VM test cannot run: $1." >&2
    echo "$2" >&2
    echo "On a machine that cannot run the VM at all, set SLVN_ALLOW_VM_SKIP=1 to skip it." >&2
    exit 1
}

mkdir -p "$CACHE"

# --- host tools ---------------------------------------------------------------
if ! (slvn_install_packages "$SLVN_ROOT/scripts/alsa-vm/packages.txt") >"$CACHE/install.log" 2>&1; then
    cat "$CACHE/install.log"
    unavailable "the packages in scripts/alsa-vm/packages.txt could not be installed" \
        "Install them with: apt-get update && apt-get install $(grep -v '^\s*#' "$SLVN_ROOT/scripts/alsa-vm/packages.txt" | tr '\n' ' ')"
fi
for tool in qemu-system-x86_64 busybox depmod modprobe xz dpkg-deb; do
    command -v "$tool" >/dev/null ||
        unavailable "$tool is not on the PATH" "Install the packages in scripts/alsa-vm/packages.txt, which provide it."
done

# --- kernel image and sound modules -------------------------------------------
# Runs started at once (several build folders, a developer and a test) prepare
# the cached parts one after the other.
exec 8>"$CACHE/prepare.lock"
flock 8
kernel_package_name() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        awk '$1 == "Depends:" && $2 ~ /^linux-image-[0-9]/ { print $2; exit }'
}

KPKG="$(kernel_package_name)"
if [ -z "$KPKG" ]; then
    slvn_as_root apt-get update -qq >>"$CACHE/install.log" 2>&1 || true
    KPKG="$(kernel_package_name)"
fi
if [ -z "$KPKG" ] && [ -f "$CACHE/kernel.name" ]; then
    KPKG="$(cat "$CACHE/kernel.name")"   # offline: keep using what is here
fi
[ -n "$KPKG" ] || unavailable "no Debian kernel package is known to apt" \
    "Run apt-get update with Debian's archive reachable, so that apt knows linux-image-amd64."

KDIR="$CACHE/$KPKG"
if [ ! -f "$KDIR/ready" ]; then
    echo "Preparing kernel $KPKG for the sequencer VM..."
    rm -rf "$KDIR"
    mkdir -p "$KDIR/download" "$KDIR/root"
    download() {
        (cd "$KDIR/download" && apt-get download -o APT::Sandbox::User=root "$KPKG") >>"$CACHE/install.log" 2>&1
    }
    # A package list kept from an earlier day may name a version the archive
    # no longer has: read the lists again once.
    if ! download && ! { slvn_as_root apt-get update -qq >>"$CACHE/install.log" 2>&1 && download; }; then
        rm -rf "$KDIR"
        unavailable "the kernel package $KPKG could not be downloaded (see $CACHE/install.log)" \
            "Debian's archive must be reachable for: apt-get download $KPKG"
    fi
    deb="$(ls "$KDIR"/download/*.deb)"
    dpkg-deb --fsys-tarfile "$deb" |
        tar -x -C "$KDIR/root" --wildcards './boot/vmlinuz-*' './lib/modules/*/kernel/sound/*' \
            './lib/modules/*/modules.*'
    kver="$(basename "$(ls -d "$KDIR"/root/lib/modules/*)")"
    depmod -b "$KDIR/root" "$kver"

    # Software emulation boots a plain image faster than the compressed one:
    # the xz stream starts at the first xz magic inside vmlinuz.
    vmlinuz="$(ls "$KDIR"/root/boot/vmlinuz-*)"
    offset="$(LC_ALL=C grep -obUaP '\xFD7zXZ\x00' "$vmlinuz" | head -n1 | cut -d: -f1 || true)"
    if [ -n "$offset" ] && tail -c +"$((offset + 1))" "$vmlinuz" |
            xz -dcq --single-stream >"$KDIR/vmlinux" 2>/dev/null && [ -s "$KDIR/vmlinux" ]; then
        :
    else
        cp "$vmlinuz" "$KDIR/vmlinux"
    fi
    rm -rf "$KDIR/download"
    echo "$kver" >"$KDIR/kernel.version"
    echo "$KPKG" >"$CACHE/kernel.name"
    touch "$KDIR/ready"
fi
KVER="$(cat "$KDIR/kernel.version")"

# --- fixed part of the RAM disk: busybox, modules, ALSA configuration, init ----
BASE="$KDIR/base.cpio.gz"
if [ ! -f "$BASE" ] || [ "$0" -nt "$BASE" ]; then
    stage="$(mktemp -d)"
    trap 'rm -rf "$stage"' EXIT
    mkdir -p "$stage"/{bin,sbin,usr/bin,usr/sbin,proc,sys,dev,tmp,test,modules}
    cp "$(command -v busybox)" "$stage/bin/busybox"
    : >"$stage/modules.list"
    for module in "${SOUND_MODULES[@]}"; do
        modprobe -d "$KDIR/root" -S "$KVER" --show-depends "$module" |
            awk '$1 == "insmod" { print $2 }'
    done | awk '!seen[$0]++' | while read -r ko; do
        name="$(basename "$ko")"
        case "$name" in
            *.xz) xz -dc "$ko" >"$stage/modules/${name%.xz}"; name="${name%.xz}" ;;
            *) cp "$ko" "$stage/modules/$name" ;;
        esac
        echo "/modules/$name" >>"$stage/modules.list"
    done
    if [ -f /usr/share/alsa/alsa.conf ]; then
        mkdir -p "$stage/usr/share/alsa"
        cp /usr/share/alsa/alsa.conf "$stage/usr/share/alsa/"
    fi
    cat >"$stage/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
for module in $(cat /modules.list); do
    insmod "$module" || echo "SLVN-VM: could not load $module"
done
export HOME=/tmp PATH=/bin:/sbin:/usr/bin:/usr/sbin
echo "SLVN-VM-BEGIN"
cd /test && sh /test/run.sh
echo "SLVN-VM-END $?"
dmesg | grep -iE 'snd|seq|midi|alsa' | sed 's/^/SLVN-VM-KERNEL: /'
echo "SLVN-VM-OFF"
poweroff -f
INIT
    chmod 755 "$stage/init"
    (cd "$stage" && find . | busybox cpio -o -H newc -R 0:0 2>/dev/null | gzip -1 >"$BASE.tmp")
    mv "$BASE.tmp" "$BASE"
    rm -rf "$stage"
    trap - EXIT
fi

flock -u 8

# --- the test program with its libraries, then boot -----------------------------
RUN="$(mktemp -d)"
trap 'rm -rf "$RUN"' EXIT
stage="$RUN/stage"
mkdir -p "$stage/test"
cp "$TEST_EXE" "$stage/test/"
[ -d "$(dirname "$TEST_EXE")/resources" ] && cp -r "$(dirname "$TEST_EXE")/resources" "$stage/test/"
ldd "$TEST_EXE" | awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' | sort -u | while read -r lib; do
    mkdir -p "$stage$(dirname "$lib")"
    cp -L "$lib" "$stage$lib"
done
{
    printf '%q ' "./$(basename "$TEST_EXE")" "$@"
    echo
} >"$stage/test/run.sh"
(cd "$stage" && find . | busybox cpio -o -H newc -R 0:0 2>/dev/null | gzip -1 >"$RUN/test.cpio.gz")
cat "$BASE" "$RUN/test.cpio.gz" >"$RUN/initramfs.gz"

CONSOLE="$RUN/console.log"
started=$SECONDS
qemu_status=0
timeout --kill-after=10 "$VM_TIMEOUT" qemu-system-x86_64 \
    -M pc -accel tcg -cpu max -smp 1 -m "$VM_MEMORY" \
    -nodefaults -no-user-config -display none -no-reboot \
    -chardev file,id=con,path="$CONSOLE" -device isa-serial,chardev=con,iobase=0x3f8,irq=4 \
    -kernel "$KDIR/vmlinux" -initrd "$RUN/initramfs.gz" \
    -append "console=ttyS0 quiet panic=-1 rdinit=/init cryptomgr.notests" </dev/null || qemu_status=$?
elapsed=$((SECONDS - started))

tr -d '\r' <"$CONSOLE" >"$RUN/console.txt"
status="$(sed -n 's/^SLVN-VM-END \([0-9]*\)$/\1/p' "$RUN/console.txt" | tail -n1)"
sed -n '/^SLVN-VM-BEGIN$/,/^SLVN-VM-END /{/^SLVN-VM-\(BEGIN\|END \)/d;p}' "$RUN/console.txt"
grep '^SLVN-VM-KERNEL: ' "$RUN/console.txt" | grep -iE 'error|fail|overrun|oops|warn' || true
if [ -z "$status" ]; then
    echo "ALSA sequencer VM: the test did not finish (qemu status $qemu_status after ${elapsed}s); console:"
    tail -n 60 "$RUN/console.txt"
    exit 1
fi
echo "ALSA sequencer VM: $(basename "$TEST_EXE") exited with status $status after ${elapsed}s in the VM"
if [ "$status" = 0 ] && ! grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$RUN/console.txt"; then
    echo "ALSA sequencer VM: $(basename "$TEST_EXE") ran no test in the VM"
    exit 1
fi
exit "$status"
