// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The amateur bands: allocations as the ITU Radio Regulations' Article 5
// table gives them (read from the table, region by region), the region of
// a country as the Regulations draw the regions, and the bands a chart's
// frequency range shows.
#include "bands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using discone::study::Band;
using discone::study::bandsWithin;
using discone::study::regionOfCountry;

namespace {

struct AllocationCase {
    const char* tag;
    int region;
    const char* band;
    double lowMHz, highMHz; // 0 to 0: none in that region
};

// From the Table of Frequency Allocations: 80 m is 3500-3800 kHz in
// Region 1 and 3500-3900 kHz in Region 3; 160 m starts at 1810 kHz in
// Region 1 only; 2 m is 144-146 MHz in Region 1 and 144-148 MHz in the
// others; 6 m is 50-52 MHz in Region 1 since WRC-19; 220-225 MHz is
// Region 2's alone; 9 cm is not in Region 1's column. With no region,
// what all three share.
const AllocationCase kAllocations[] = {
    {"80m_region1", 1, "80 m", 3.5, 3.8},     {"80m_region3", 3, "80 m", 3.5, 3.9},
    {"160m_region1", 1, "160 m", 1.81, 1.85}, {"160m_region2", 2, "160 m", 1.8, 2.0},
    {"2m_region1", 1, "2 m", 144, 146},       {"2m_region2", 2, "2 m", 144, 148},
    {"6m_region1", 1, "6 m", 50, 52},         {"6m_region3", 3, "6 m", 50, 54},
    {"1_25m_region1", 1, "1.25 m", 0, 0},     {"1_25m_region2", 2, "1.25 m", 220, 225},
    {"9cm_region1", 1, "9 cm", 0, 0},         {"23cm_region3", 3, "23 cm", 1240, 1300},
    {"40m_region2", 2, "40 m", 7.0, 7.3},     {"3cm_region1", 1, "3 cm", 10000, 10500},
    {"2m_no_region", 0, "2 m", 144, 146},     {"1_25m_no_region", 0, "1.25 m", 0, 0},
};

class Allocation : public testing::TestWithParam<AllocationCase> {};

TEST_P(Allocation, FollowsTheRadioRegulations) {
    const AllocationCase& c = GetParam();
    std::optional<Band> found;
    for (const Band& b : bandsWithin(c.region, 1, 20000))
        if (b.name == c.band)
            found = b;
    if (c.highMHz == 0) {
        EXPECT_FALSE(found) << c.band;
        return;
    }
    ASSERT_TRUE(found) << c.band;
    EXPECT_DOUBLE_EQ(found->lowMHz, c.lowMHz);
    EXPECT_DOUBLE_EQ(found->highMHz, c.highMHz);
}

INSTANTIATE_TEST_SUITE_P(Bands, Allocation, testing::ValuesIn(kAllocations),
                         [](const auto& info) { return std::string(info.param.tag); });

struct RegionCase {
    const char* tag;
    const char* code;
    int region; // 0: not a country code
};

// Region 2 is the Americas and Greenland; Iran opens Region 3 (the
// Regulations' line A runs along its western border); Mongolia and Russia
// are named in Region 1 whatever their longitude.
const RegionCase kRegions[] = {
    {"Germany", "DE", 1},      {"United_States", "US", 2},  {"Japan", "JP", 3},
    {"lower_case", "br", 2},   {"Greenland", "GL", 2},      {"Iran", "IR", 3},
    {"Russia", "RU", 1},       {"Mongolia", "MN", 1},       {"Australia", "AU", 3},
    {"South_Africa", "ZA", 1}, {"Saudi_Arabia", "SA", 1},   {"one_letter", "D", 0},
    {"digit", "D1", 0},        {"three_letters", "DEU", 0},
};

class Region : public testing::TestWithParam<RegionCase> {};

TEST_P(Region, OfTheCountryCode) {
    const RegionCase& c = GetParam();
    const std::optional<int> region = regionOfCountry(c.code);
    if (c.region == 0)
        EXPECT_FALSE(region);
    else
        EXPECT_EQ(region, c.region);
}

INSTANTIATE_TEST_SUITE_P(Bands, Region, testing::ValuesIn(kRegions),
                         [](const auto& info) { return std::string(info.param.tag); });

struct RangeCase {
    const char* tag;
    int region;
    double lowMHz, highMHz;
    std::vector<std::string> names;
};

// A chart from 146 to 1460 MHz: Region 1's 2 m band ends where it starts;
// with no region known, the parts every region shares (2 m 144-146 MHz).
const RangeCase kRanges[] = {
    {"region1", 1, 146, 1460, {"70 cm", "23 cm"}},
    {"region2", 2, 146, 1460, {"2 m", "1.25 m", "70 cm", "33 cm", "23 cm"}},
    {"region3", 3, 146, 1460, {"2 m", "70 cm", "23 cm"}},
    {"no_region", 0, 140, 1460, {"2 m", "70 cm", "23 cm"}},
    {"between_bands", 1, 150, 400, {}},
};

class Range : public testing::TestWithParam<RangeCase> {};

TEST_P(Range, HoldsTheBandsThatOverlapIt) {
    const RangeCase& c = GetParam();
    std::vector<std::string> names;
    for (const Band& b : bandsWithin(c.region, c.lowMHz, c.highMHz))
        names.push_back(b.name);
    EXPECT_EQ(names, c.names);
}

INSTANTIATE_TEST_SUITE_P(Bands, Range, testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.tag); });

} // namespace
