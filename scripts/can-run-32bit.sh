#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs (which 32-bit
# Wine needs): it starts a tiny 32-bit program that only exits.
set -u
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
# ELF header, one program header, then: mov eax,1; xor ebx,ebx; int 0x80.
printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
printf '\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000' >>"$probe"
printf '\000\020\000\000\270\001\000\000\000\061\333\315\200' >>"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
