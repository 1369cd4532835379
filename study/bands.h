// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The amateur bands, as the charts mark them on their frequency axes: one
// table of the allocations in the three ITU regions from 160 m to 3 cm, the
// ITU region of a country, and the bands of a region that fall within a
// range of frequencies. Plain C++.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace discone::study {

// An amateur allocation in one region: a name such as "2 m" or "70 cm"
// and its edges.
struct Band {
    std::string name;
    double lowMHz = 0;
    double highMHz = 0;
};

// The allocation of one band in each region; 0 to 0 where a region has
// none.
struct BandAllocation {
    const char* name;
    double lowMHz[3]; // Region 1, 2, 3
    double highMHz[3];
};

// Every band, in rising frequency.
const std::vector<BandAllocation>& bandTable();

// The ITU region (1, 2 or 3) of an ISO 3166 two-letter country code, in
// either case ("DE" 1, "us" 2, "JP" 3); nullopt for anything that is not
// two letters.
std::optional<int> regionOfCountry(std::string_view code);

// The bands of `region` (1 to 3) that overlap `lowMHz` to `highMHz`, in
// rising frequency, each with its whole allocation; with no region (0 or
// any other number) the part of each band that all three regions share.
std::vector<Band> bandsWithin(int region, double lowMHz, double highMHz);

} // namespace discone::study
