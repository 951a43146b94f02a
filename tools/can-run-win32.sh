#!/usr/bin/env bash
# Exits 0 when this machine can start 32-bit Windows programs under Wine: that needs
# Wine's 32-bit loader and a kernel that runs 32-bit Linux programs.
/usr/lib/wine/wine --version >/dev/null 2>&1
