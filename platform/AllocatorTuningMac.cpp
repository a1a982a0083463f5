// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AllocatorTuning.h"

void AllocatorTuning::apply() {}
