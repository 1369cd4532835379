// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wires and segments of a model, as model.h describes them, without its
// limits: model.cpp checks those before it asks for the wires. Also what
// model.h declares of the wires themselves: their count, their copies, and
// the work nec2c takes for them.
#pragma once

#include "model.h"

namespace discone::nec {

// The antenna's measures without wires: the design's in metres, the rods',
// the feed region's radius and where the rods start.
Model measures(const DisconeDimensions& dims, const ModelOptions& options);

// The feed an Auto layout takes: the cage where it agrees with the axial pin
// within 2 % (at least kCageLeastRods rods, and a feed region at most
// kCageThinnestFeed times thinner than the gap), the pin elsewhere.
inline constexpr int kCageLeastRods = 12;
inline constexpr double kCageThinnestFeed = 10; // gap over the feed region's radius
FeedLayout feedFor(const Model& measures, FeedLayout asked);

// `measures` with its wires for `feed` (Cage or Axial), segments fitted to
// `fittedMHz`.
Model withWires(Model measures, FeedLayout feed, double fittedMHz, double segmentScale);

} // namespace discone::nec
