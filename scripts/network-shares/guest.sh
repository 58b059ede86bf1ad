#!/bin/bash
# Runs inside the qemu guest started by run.sh, as its first process, on this machine's root file
# system (read-only). Starts Samba and the NFS server on the loopback interface, mounts each share
# twice, and runs the writers of the archive helper through the two mounts at once.
set -u
arg() { sed -n "s/.*netshare\.$1=\([^ ]*\).*/\1/p" /proc/cmdline; }
kver=$(arg kver)
kdir=$(arg kernel)
helper=$(arg helper)
writers=$(arg writers)
ops=$(arg ops)
rounds=$(arg rounds)
fslist=$(arg fs | tr , ' ')
deadline=$(arg deadline)
parts=$(arg parts | tr , ' ')
export PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8

# Leave the results on the host's disk, then power off (never return: this is the init process).
finish() {
  sync
  umount /mnt 2>/dev/null
  echo o > /proc/sysrq-trigger
  sleep 30
}
trap finish EXIT

for d in /tmp /run /srv /var/lib/nfs /var/log /var/cache /var/lib/samba; do mount -t tmpfs tmpfs "$d"; done
mkdir -p /var/log/samba /var/cache/samba
mount -t 9p -o trans=virtio,version=9p2000.L results /mnt
out=/mnt/results.txt
log() { echo "$*" | tee -a "$out"; }
failed=0
fail() { log "FAIL: $*"; failed=1; }
mod() { modprobe -d "$kdir" -S "$kver" "$@" || log "modprobe $* failed"; }
# Modules the kernel asks for by itself (the SMB client's ciphers) come from the same place.
printf '#!/bin/sh\nexec /sbin/modprobe -d %s -S %s "$@"\n' "$kdir" "$kver" > /run/modprobe
chmod +x /run/modprobe
echo /run/modprobe > /proc/sys/kernel/modprobe
/bin/busybox ip link set lo up

log "guest kernel $(uname -r), $(nproc) cpus; $writers writers x $ops, $rounds kill rounds"

# A second workstation: its own network namespace (own address, own NFS client identity) linked
# to this one, from which the second SMB and NFSv4 mounts are made. Two mounts from one client
# identity would share NFSv4 delegations and locks and prove nothing.
mod veth
ip netns add ws2
ip link add veth0 type veth peer name veth1 netns ws2
ip addr add 10.9.0.1/24 dev veth0
ip link set veth0 up
ip -n ws2 addr add 10.9.0.2/24 dev veth1
ip -n ws2 link set veth1 up
ip -n ws2 link set lo up
as_ws2=(unshare --uts sh -c 'hostname ws2 && exec nsenter --net=/run/netns/ws2 "$@"' sh)

# --- servers ---------------------------------------------------------------------------------
mkdir -p /srv/export /run/samba/{private,lock,state,cache,pid,ncalrpc,bind-dns}
cat > /run/samba/smb.conf <<CONF
[global]
server role = standalone server
server min protocol = SMB3
interfaces = lo 10.9.0.1/24
bind interfaces only = yes
private dir = /run/samba/private
lock directory = /run/samba/lock
state directory = /run/samba/state
cache directory = /run/samba/cache
pid directory = /run/samba/pid
ncalrpc dir = /run/samba/ncalrpc
binddns dir = /run/samba/bind-dns
usershare path =
log file = /run/samba/log.%m
passdb backend = tdbsam:/run/samba/private/passdb.tdb
load printers = no
disable spoolss = yes
[archivi]
path = /srv/export
read only = no
CONF
printf 'quadrivo\nquadrivo\n' | smbpasswd -c /run/samba/smb.conf -s -a root > /dev/null
smbd -s /run/samba/smb.conf -D || log "smbd did not start"

mod nfsd
mod lockd nlm_grace_period=5
mount -t nfsd nfsd /proc/fs/nfsd
mkdir -p /var/lib/nfs/{sm,sm.bak,v4recovery,rpc_pipefs} /run/rpcbind
chown statd /var/lib/nfs/sm /var/lib/nfs/sm.bak 2>/dev/null
mount -t rpc_pipefs sunrpc /var/lib/nfs/rpc_pipefs
touch /var/lib/nfs/etab /var/lib/nfs/rmtab
rpcbind -w || log "rpcbind did not start"
rpc.statd --no-notify || log "rpc.statd did not start"
echo 10 > /proc/fs/nfsd/nfsv4leasetime
echo 10 > /proc/fs/nfsd/nfsv4gracetime
# The root of the NFSv4 name space too (fsid=0): the guest's own root (9p) cannot be exported.
exportfs -o rw,no_root_squash,insecure,no_subtree_check,fsid=0 127.0.0.1:/srv/export
exportfs -o rw,no_root_squash,insecure,no_subtree_check,fsid=0 10.9.0.0/24:/srv/export
rpc.nfsd 4 || log "rpc.nfsd did not start"
rpc.mountd || log "rpc.mountd did not start"
sleep 12 # the servers' grace period, during which no lock is granted

# --- clients: two mounts of each share, with separate caches and connections -------------------
mod cifs
for m in cmac ccm gcm aesni_intel sha512_generic; do mod "$m"; done
mod nfsv3
mod nfsv4
mount_pair() { # name
  local a=/srv/$1-a b=/srv/$1-b
  mkdir -p "$a" "$b"
  case $1 in
  smb3 | smb3-closetimeo0 | smb3-cachenone)
    local o=username=root,password=quadrivo,vers=3.1.1,nosharesock
    [ "$1" = smb3-closetimeo0 ] && o+=,closetimeo=0
    # No client caching: no leases, so byte-range locks go to the server at once, never pushed later.
    [ "$1" = smb3-cachenone ] && o+=,cache=none
    timeout 150 mount -t cifs //127.0.0.1/archivi "$a" -o "$o" || return 1
    timeout 150 "${as_ws2[@]}" mount -t cifs //10.9.0.1/archivi "$b" -o "$o" || return 1 ;;
  nfs3)
    for m in "$a" "$b"; do
      timeout 150 mount -t nfs -o vers=3,proto=tcp,nosharecache,retry=1 127.0.0.1:/srv/export "$m" || return 1
    done ;;
  nfs4.2)
    timeout 150 mount -t nfs -o vers=4.2,retry=1 127.0.0.1:/ "$a" || return 1
    timeout 150 "${as_ws2[@]}" mount -t nfs -o vers=4.2,retry=1 10.9.0.1:/ "$b" || return 1 ;;
  esac
  log "$1: $(grep " $a " /proc/mounts | cut -d' ' -f3,4 | cut -c1-160)"
  log "$1: $(grep " $b " /proc/mounts | cut -d' ' -f1,3 | cut -c1-160) (second workstation)"
}

R=4874 # Magazzino.pro
run_writers() { # fs a b command... (WRITER in the command is replaced by the writer's number)
  local fs=$1 a=$2 b=$3
  shift 3
  local start_at=$(( $(date +%s%3N) + 2000 )) pids=() w
  for w in $(seq 0 $((writers - 1))); do
    local m=$a
    [ $((w % 2)) -eq 1 ] && m=$b
    local args=("${@//MOUNT/$m}")
    args=("${args[@]//WRITER/$w}")
    "$helper" --deadline "$deadline" --start-at "$start_at" "${args[@]}" > "/tmp/writer$w.log" 2>&1 &
    pids+=($!)
  done
  local bad=0
  for w in "${!pids[@]}"; do wait "${pids[$w]}" || { bad=1; log "$fs: writer $w: $(tail -n 2 /tmp/writer$w.log)"; }; done
  return $bad
}

appends() { # fs a b
  local t0=$SECONDS
  rm -f /tmp/positions*
  run_writers "$1" "$2" "$3" --positions /tmp/positionsWRITER append MOUNT/Magazzino.pro $R WRITER "$ops" ||
    fail "$1: a writer failed"
  sync
  local t
  t=$("$helper" tally /srv/export/Magazzino.pro $R "$writers" "$ops") || fail "$1: appends: $t"
  # Two appends told they went to the same place: which writers, over which mounts (even a, odd b).
  local same
  same=$(cat /tmp/positions* | sort -k3,3n | awk '$3 == p {print "position " $3 ": writer " w " record " s " and writer " $1 " record " $2} {p = $3; w = $1; s = $2}')
  [ -n "$same" ] && fail "$1: $(echo "$same" | wc -l) appends given a place already given: $(echo "$same" | head -n 3 | tr '\n' ';')"
  local slowest
  slowest=$(cat /tmp/writer*.log | awk '/slowest/ {if ($2 > m) m = $2} END {print m + 0}')
  log "$1 appends ($writers writers x $ops over two mounts): $t; $((SECONDS - t0)) s, slowest append $slowest ms"
  [ "$(echo "$t" | awk '{print $2}')" = $((writers * ops)) ] || fail "$1: count is not $((writers * ops))"
}

stock() { # fs a b
  local t0=$SECONDS
  "$helper" seed-stock "$2/Stock.pro" 100000
  run_writers "$1" "$2" "$3" stock MOUNT/Stock.pro 2 "$ops" || fail "$1: a stock writer failed"
  sync
  local got done expected
  done=$(cat /tmp/writer*.log | awk '/^done/ {n += $2} END {print n + 0}')
  expected=$((100000 - done))
  got=$("$helper" show-stock /srv/export/Stock.pro 2)
  [ "$done" = $((writers * ops)) ] || log "$1: only $done of $((writers * ops)) stock updates went through"
  log "$1 stock updates ($writers writers x $ops over two mounts): stock $got, expected $expected; $((SECONDS - t0)) s"
  [ "$got" = "$expected" ] || fail "$1: stock $got, expected $expected"
}

kills() { # fs a b
  local fs=$1 a=$2 b=$3 file=/srv/export/2025.pre r size whole p1 p2 tails=0 t0=$SECONDS
  local Rq=4886 # quote records
  : > "$file"
  for r in $(seq 0 $((rounds - 1))); do
    size=$(stat -c %s "$file")
    whole=$(( size / Rq * Rq ))
    head -c "$whole" "$file" > /tmp/saved
    "$helper" --deadline "$deadline" append "$a/2025.pre" $Rq $((2 * r)) 0 > /dev/null 2>&1 &
    p1=$!
    "$helper" --deadline "$deadline" append "$b/2025.pre" $Rq $((2 * r + 1)) 0 > /dev/null 2>&1 &
    p2=$!
    local waited=0
    while [ "$(stat -c %s "$file")" -lt $((whole + Rq)) ] && [ $waited -lt 600 ]; do sleep 0.1; waited=$((waited + 1)); done
    sleep "0.$((RANDOM % 10))$((RANDOM % 10))"
    kill -9 $p1
    sleep "0.0$((RANDOM % 10))"
    kill -9 $p2
    wait $p1 $p2 2> /dev/null
    sleep 0.5 # what a dead client still had to write back
    cmp -s -n "$whole" /tmp/saved "$file" || fail "$fs: round $r changed an earlier record"
    [ $(( $(stat -c %s "$file") % Rq )) -ne 0 ] && tails=$((tails + 1))
    local t
    t=$("$helper" tally "$file" $Rq $((2 * rounds)) 0) || fail "$fs: round $r: $t"
  done
  # The tail, if any, goes under the next append.
  "$helper" action "$a/2025.pre" $Rq append > /dev/null || fail "$fs: the append after the kills failed"
  sync
  size=$(stat -c %s "$file")
  [ $((size % Rq)) -eq 0 ] || fail "$fs: a tail survived the next append"
  t=$(head -c $((size - Rq)) "$file" > /tmp/final && "$helper" tally /tmp/final $Rq $((2 * rounds)) 0) || fail "$fs: kills: $t"
  log "$fs killed writers ($rounds rounds, $((2 * rounds)) SIGKILLs over two mounts): $t; tails left by a kill $tails; $((SECONDS - t0)) s"
}

for fs in $fslist; do
  if ! mount_pair "$fs"; then
    fail "$fs: could not mount"
    continue
  fi
  rm -f /srv/export/*
  for part in $parts; do "$part" "$fs" "/srv/$fs-a" "/srv/$fs-b"; done
  umount "/srv/$fs-a" "/srv/$fs-b"
done

if [ $failed -eq 0 ]; then log "RESULT PASS"; else log "RESULT FAIL"; fi
