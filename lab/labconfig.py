#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a lab description (JSON) into the files one lab run needs.

usage: labconfig.py CONFIG DIR SUFFIX

Writes into DIR: per segment the emulator's device file, the smbd configuration and the
share directories; a hosts file naming every device; plan.sh (bash variables for
lab.sh) and lab.json (what the C++ fixture reads back).
"""
import ipaddress
import json
import os
import shlex
import sys


# Folders a device has on its data share, by share name (matched without case).
INSTALL_DIRS = {
    "HDD_A": [".codepages", "Nas_Prog/BT"],
    "HDD_1": [".systemfile/.codepages", "Nas_Prog/BT"],
}


def fail(message):
    print("labconfig: " + message, file=sys.stderr)
    sys.exit(1)


def main():
    if len(sys.argv) != 4:
        fail("usage: labconfig.py CONFIG DIR SUFFIX")
    config_path, out, suffix = sys.argv[1:]
    with open(config_path) as f:
        config = json.load(f)
    segments = config.get("segments")
    if not isinstance(segments, list) or not segments:
        fail("the config needs a non-empty \"segments\" list")
    if len(segments) > 8:
        fail("at most 8 segments")

    prefix = "tvl" + suffix
    plan = [f"LAB_PREFIX={prefix}", f"SEGMENTS={len(segments)}",
            f"PC_NS={prefix}-pc"]
    hosts = ["127.0.0.1 localhost"]
    described = {"prefix": prefix, "pcNamespace": prefix + "-pc", "dir": out,
                 "hostsFile": os.path.join(out, "hosts"), "segments": []}

    for i, seg in enumerate(segments):
        sdir = os.path.join(out, f"seg{i}")
        os.makedirs(sdir, exist_ok=True)
        pc = ipaddress.ip_interface(seg.get("pc", f"10.{64 + i}.0.1/16"))
        own = ipaddress.ip_interface(seg.get("address", f"{pc.ip + 1}/{pc.network.prefixlen}"))
        devices = seg.get("devices", [])

        addresses = [str(own)]
        http = []
        smb_devices = []
        dev_desc = []
        for d in devices:
            ip = ipaddress.ip_address(d["ip"])
            cidr = f"{ip}/{pc.network.prefixlen}" if ip in pc.network else f"{ip}/32"
            if cidr.split("/")[0] != str(own.ip) and cidr not in addresses:
                addresses.append(cidr)
            entry = {"name": d.get("name", ""), "ip": str(ip), "http": bool(d.get("http", False)),
                     "smb": bool(d.get("smb", False)), "shares": {}}
            if entry["http"]:
                www = os.path.join(sdir, "www", str(ip))
                os.makedirs(www, exist_ok=True)
                with open(os.path.join(www, "index.html"), "w") as f:
                    f.write(f"<html><body>{entry['name']}</body></html>\n")
                http.append(f"{ip}={www}")
                entry["www"] = www
            if entry["smb"]:
                smb_devices.append((d, entry))
            if entry["name"]:
                hosts.append(f"{ip} {entry['name']}")
            dev_desc.append(entry)

        # The emulator reads the devices as given; lab-only keys are ignored by it.
        with open(os.path.join(sdir, "emulator.json"), "w") as f:
            json.dump({"reply": seg.get("reply", "multicast"), "devices": devices}, f, indent=1)

        users = []
        nmbd = []
        if smb_devices:
            d = os.path.join(sdir, "samba")
            for sub in ("run", "lock", "state", "cache", "private", "ncalrpc", "log"):
                os.makedirs(os.path.join(d, sub), exist_ok=True)
            conf = [
                "[global]",
                "  workgroup = WORKGROUP",
                f"  netbios name = TVLSEG{i}",
                "  server role = standalone server",
                "  map to guest = Bad User",
                "  guest account = nobody",
                f"  pid directory = {d}/run",
                f"  lock directory = {d}/lock",
                f"  state directory = {d}/state",
                f"  cache directory = {d}/cache",
                f"  private dir = {d}/private",
                f"  ncalrpc dir = {d}/ncalrpc",
                f"  log file = {d}/log/log.%m",
                f"  passdb backend = tdbsam:{d}/private/passdb.tdb",
                "  smb ports = 445",
                "  load printers = no",
                "  printing = bsd",
                "  printcap name = /dev/null",
                "  disable spoolss = yes",
                "  server min protocol = SMB2",
                # Each device address gets its own shares: the file named after the
                # address the client connected to.
                f"  include = {d}/ip-%i.conf",
                "",
            ]
            with open(os.path.join(d, "smb.conf"), "w") as f:
                f.write("\n".join(conf))
            for dev, entry in smb_devices:
                names = dev.get("guestShares", dev.get("volumes", []))
                user_shares = dev.get("userShares", [])
                dev_users = [u["user"] for u in dev.get("users", [])]
                for u in dev.get("users", []):
                    users.append((u["user"], u.get("password", "")))
                lines = []
                for share in list(names) + list(user_shares):
                    path = os.path.join(sdir, "shares", entry["ip"], share)
                    os.makedirs(path, exist_ok=True)
                    os.chmod(path, 0o777)
                    # The install folders a device keeps on its data share.
                    for sub in INSTALL_DIRS.get(share.upper(), []) if share not in user_shares else []:
                        os.makedirs(os.path.join(path, sub), exist_ok=True)
                        for part in (sub, os.path.dirname(sub)):
                            if part:
                                os.chmod(os.path.join(path, part), 0o777)
                    entry["shares"][share] = path
                    lines += [f"[{share}]", f"  path = {path}", "  read only = no",
                              "  browseable = yes", "  create mask = 0666",
                              "  directory mask = 0777", "  force user = root", "  force group = root"]
                    if share in user_shares:
                        lines += ["  guest ok = no",
                                  "  valid users = " + " ".join(dev_users)]
                    else:
                        lines += ["  guest ok = yes"]
                with open(os.path.join(d, f"ip-{entry['ip']}.conf"), "w") as f:
                    f.write("\n".join(lines) + "\n")
                # One NetBIOS name server per device, so \\name resolves by broadcast
                # from the pc namespace exactly as on a real LAN.
                if entry["name"]:
                    n = os.path.join(d, "nmbd-" + entry["ip"])
                    for sub in ("run", "lock", "state", "cache", "private", "log"):
                        os.makedirs(os.path.join(n, sub), exist_ok=True)
                    with open(os.path.join(n, "nmbd.conf"), "w") as f:
                        f.write("\n".join([
                            "[global]", "  workgroup = WORKGROUP",
                            f"  netbios name = {entry['name'][:15]}",
                            f"  interfaces = {entry['ip']}/{pc.network.prefixlen}",
                            "  bind interfaces only = yes",
                            f"  pid directory = {n}/run", f"  lock directory = {n}/lock",
                            f"  state directory = {n}/state", f"  cache directory = {n}/cache",
                            f"  private dir = {n}/private", f"  log file = {n}/log/log.nmbd",
                            "  local master = no", "  domain master = no", "  preferred master = no",
                            ""]))
                    nmbd.append(os.path.join(n, "nmbd.conf"))

        plan += [
            f"SEG_NS_{i}={prefix}-s{i}",
            f"SEG_PCIF_{i}={prefix}p{i}",
            f"SEG_IF_{i}={prefix}s{i}",
            f"SEG_PCADDR_{i}={pc}",
            f"SEG_ADDRS_{i}={shlex.quote(' '.join(addresses))}",
            f"SEG_HTTP_{i}={shlex.quote(' '.join(http))}",
            f"SEG_SMB_{i}={1 if smb_devices else 0}",
            f"SEG_NMBD_{i}={shlex.quote(' '.join(nmbd))}",
            f"SEG_USERS_{i}={shlex.quote(' '.join(u for u, _ in users))}",
        ]
        with open(os.path.join(sdir, "users"), "w") as f:
            for u, p in users:
                f.write(f"{u}\t{p}\n")
        described["segments"].append({
            "index": i, "namespace": f"{prefix}-s{i}", "pcInterface": f"{prefix}p{i}",
            "interface": f"{prefix}s{i}", "pcAddress": str(pc.ip), "prefixLength": pc.network.prefixlen,
            "address": str(own.ip),
            "record": os.path.join(sdir, "requests.log"), "state": os.path.join(sdir, "state.json"),
            "emulatorConfig": os.path.join(sdir, "emulator.json"), "devices": dev_desc})

    with open(os.path.join(out, "hosts"), "w") as f:
        f.write("\n".join(hosts) + "\n")
    with open(os.path.join(out, "plan.sh"), "w") as f:
        f.write("\n".join(plan) + "\n")
    with open(os.path.join(out, "lab.json"), "w") as f:
        json.dump(described, f, indent=1)


if __name__ == "__main__":
    main()
