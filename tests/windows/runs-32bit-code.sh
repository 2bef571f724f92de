#!/usr/bin/env bash
# Exits with 0 where this machine runs 32-bit x86 code (a kernel with IA-32 emulation): a
# static 32-bit program that exits with 7 tells.
probe=$(mktemp -d /tmp/quiverstep-i386.XXXXXX)
trap 'rm -rf "$probe"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $7, %%ebx\n int $0x80\n' >"$probe/p.s"
as --32 -o "$probe/p.o" "$probe/p.s" 2>/dev/null && ld -m elf_i386 -o "$probe/p" "$probe/p.o" 2>/dev/null || exit 1
"$probe/p" 2>/dev/null
[ $? -eq 7 ]
