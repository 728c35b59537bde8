#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Run before the real program: every hidraw node of a plugged-in R5 mouse must be readable,
# writable and free. Otherwise prints the cause and the fix and fails, since the program
# would only show the same warning. R5_ACCESS_ROOT puts /sys, /dev and udev's rule folders
# under another root (for tests).
set -euo pipefail
root="${R5_ACCESS_ROOT:-}"
rule="$(cd "$(dirname "$0")/.." && pwd)/packaging/70-r5config.rules"

# A rules file that tags the mouse (04d9:a6c2) "uaccess"; as udev does, a file hides any
# file of the same name in the folders after it.
rule_installed() {
  local seen="/" dir f name
  for dir in /etc/udev/rules.d /run/udev/rules.d /usr/local/lib/udev/rules.d /usr/lib/udev/rules.d /lib/udev/rules.d; do
    for f in "$root$dir"/*.rules; do
      [ -e "$f" ] || continue
      name="${f##*/}"
      case "$seen" in *"/$name/"*) continue ;; esac
      seen="$seen$name/"
      if grep -v '^[[:space:]]*#' "$f" 2>/dev/null | grep -i '04d9' | grep -i 'a6c2' | grep -qi 'uaccess'; then
        return 0
      fi
    done
  done
  return 1
}

for uevent in "$root"/sys/class/hidraw/*/device/uevent; do
  grep -qsi '^HID_ID=0003:000004D9:0000A6C2$' "$uevent" || continue
  name="${uevent%/device/uevent}"
  node="$root/dev/${name##*/}"
  [ -e "$node" ] || continue
  if [ ! -r "$node" ] || [ ! -w "$node" ]; then
    if rule_installed; then
      echo "The R5 mouse is plugged in, but you have no rights to use it yet ($node)."
      echo "The udev rule is installed: unplug and replug the mouse, or log out and in again."
    else
      echo "The R5 mouse is plugged in, but you have no rights to use it ($node)."
      echo "Install the udev rule shipped with the program once:"
      echo "  sudo cp $(printf '%q' "$rule") /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger"
    fi
    echo "Then run tools/run.sh again."
    exit 1
  fi
  if LC_ALL=C bash -c 'exec 3<>"$1"' _ "$node" 2>&1 | grep -qi 'busy'; then
    echo "The R5 mouse is plugged in, but another program holds it ($node)."
    echo "Close the other configuration tool, then run tools/run.sh again."
    exit 1
  fi
done
exit 0
