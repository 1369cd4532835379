// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A small PNG writer for the desktop icon sizes: 8-bit palette images with
// per-entry transparency, compressed with stored (uncompressed) deflate
// blocks so the bytes depend on nothing but the pixels.
#pragma once

#include "canvas.h"
#include "winformats.h"

#include <vector>

namespace discone::draw {

// `alpha` gives the opacity of each palette entry (same length as palette).
Bytes pngIndexed(const IndexedCanvas& image, const std::vector<Rgb>& palette,
                 const std::vector<std::uint8_t>& alpha);

} // namespace discone::draw
