// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The process list of macOS's libproc.
#include <stdint.h>
#include <sys/types.h>
#define PROC_PIDPATHINFO_MAXSIZE 4096
extern "C" {
int proc_listallpids(void *buffer, int buffersize);
int proc_pidpath(int pid, void *buffer, uint32_t buffersize);
}
