// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole toolkit at another zoom, for as long as an AtZoom lives.

#include "toolkit/twips.h"

struct AtZoom {
    explicit AtZoom(double zoom) { twips::setZoom(zoom); }
    ~AtZoom() { twips::setZoom(1.0); }
    AtZoom(const AtZoom&) = delete;
    AtZoom& operator=(const AtZoom&) = delete;
};
