// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include_next <sys/stat.h>
// Darwin's struct stat names its times st_atimespec, st_mtimespec, st_ctimespec and st_birthtimespec; each is a
// struct timespec, as glibc's st_atim, st_mtim and st_ctim are (glibc has no birth time: st_ctim stands in).
#define st_atimespec st_atim
#define st_mtimespec st_mtim
#define st_ctimespec st_ctim
#define st_birthtimespec st_ctim
