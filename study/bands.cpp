// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bands.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace discone::study {

namespace {

constexpr double kNone = 0;

// The allocations to the amateur service in the Table of Frequency
// Allocations of the ITU Radio Regulations, Article 5 (edition after
// WRC-19), primary and secondary alike, without the footnotes that add or
// take away spectrum in single countries: those, and the bands the table
// leaves to administrations altogether (such as 4 m at 70 MHz, the 1850 to
// 2000 kHz that many Region 1 countries give, 420 to 430 and 440 to 450 MHz
// in the United States, 3400 to 3475 MHz in parts of Region 1), are
// national, and a licence says what holds where. The 6 m band in Region 1
// is WRC-19's 50 to 52 MHz.
const std::vector<BandAllocation> kBands = {
    //  name       Region 1          Region 2          Region 3
    {"160 m", {1.81, 1.8, 1.8}, {1.85, 2.0, 2.0}},
    {"80 m", {3.5, 3.5, 3.5}, {3.8, 4.0, 3.9}},
    {"60 m", {5.3515, 5.3515, 5.3515}, {5.3665, 5.3665, 5.3665}},
    {"40 m", {7.0, 7.0, 7.0}, {7.2, 7.3, 7.2}},
    {"30 m", {10.1, 10.1, 10.1}, {10.15, 10.15, 10.15}},
    {"20 m", {14.0, 14.0, 14.0}, {14.35, 14.35, 14.35}},
    {"17 m", {18.068, 18.068, 18.068}, {18.168, 18.168, 18.168}},
    {"15 m", {21.0, 21.0, 21.0}, {21.45, 21.45, 21.45}},
    {"12 m", {24.89, 24.89, 24.89}, {24.99, 24.99, 24.99}},
    {"10 m", {28.0, 28.0, 28.0}, {29.7, 29.7, 29.7}},
    {"6 m", {50.0, 50.0, 50.0}, {52.0, 54.0, 54.0}},
    {"2 m", {144.0, 144.0, 144.0}, {146.0, 148.0, 148.0}},
    {"1.25 m", {kNone, 220.0, kNone}, {kNone, 225.0, kNone}},
    {"70 cm", {430.0, 430.0, 430.0}, {440.0, 440.0, 440.0}},
    {"33 cm", {kNone, 902.0, kNone}, {kNone, 928.0, kNone}},
    {"23 cm", {1240.0, 1240.0, 1240.0}, {1300.0, 1300.0, 1300.0}},
    {"13 cm", {2300.0, 2300.0, 2300.0}, {2450.0, 2450.0, 2450.0}},
    {"9 cm", {kNone, 3300.0, 3300.0}, {kNone, 3500.0, 3500.0}},
    {"6 cm", {5650.0, 5650.0, 5650.0}, {5850.0, 5850.0, 5850.0}},
    {"3 cm", {10000.0, 10000.0, 10000.0}, {10500.0, 10500.0, 10500.0}},
};

// Region 2: the Americas with their islands, Greenland, and the United
// States' Pacific islands that the Regulations put there (Hawaii is a part
// of "US"). Region 3: Iran and Asia east of it, except the former Soviet
// republics and Mongolia, and Oceania. Region 1: every other code (Europe,
// Africa, the Middle East, Russia, Central Asia, Mongolia). Sorted.
constexpr auto kRegion2 = std::to_array<std::string_view>(
    {"AG", "AI", "AR", "AW", "BB", "BL", "BM", "BO", "BQ", "BR", "BS", "BZ", "CA", "CL", "CO",
     "CR", "CU", "CW", "DM", "DO", "EC", "FK", "GD", "GF", "GL", "GP", "GS", "GT", "GY", "HN",
     "HT", "JM", "KN", "KY", "LC", "MF", "MQ", "MS", "MX", "NI", "PA", "PE", "PM", "PR", "PY",
     "SR", "SV", "SX", "TC", "TT", "UM", "US", "UY", "VC", "VE", "VG", "VI"});
constexpr auto kRegion3 = std::to_array<std::string_view>(
    {"AF", "AS", "AU", "BD", "BN", "BT", "CC", "CK", "CN", "CX", "FJ", "FM", "GU", "HK",
     "HM", "ID", "IN", "IO", "IR", "JP", "KH", "KI", "KP", "KR", "LA", "LK", "MH", "MM",
     "MO", "MP", "MV", "MY", "NC", "NF", "NP", "NR", "NU", "NZ", "PF", "PG", "PH", "PK",
     "PN", "PW", "SB", "SG", "TH", "TK", "TL", "TO", "TV", "TW", "VN", "VU", "WF", "WS"});

static_assert(std::ranges::is_sorted(kRegion2) && std::ranges::is_sorted(kRegion3));

bool listed(std::string_view code, const auto& list) {
    return std::binary_search(list.begin(), list.end(), code);
}

} // namespace

const std::vector<BandAllocation>& bandTable() {
    return kBands;
}

std::optional<int> regionOfCountry(std::string_view code) {
    if (code.size() != 2 || !std::isalpha(static_cast<unsigned char>(code[0])) ||
        !std::isalpha(static_cast<unsigned char>(code[1])))
        return std::nullopt;
    const std::string upper = {char(std::toupper(static_cast<unsigned char>(code[0]))),
                               char(std::toupper(static_cast<unsigned char>(code[1])))};
    if (listed(upper, kRegion2))
        return 2;
    if (listed(upper, kRegion3))
        return 3;
    return 1;
}

std::vector<Band> bandsWithin(int region, double lowMHz, double highMHz) {
    std::vector<Band> bands;
    for (const BandAllocation& a : kBands) {
        double low = 0, high = 0;
        if (region >= 1 && region <= 3) {
            low = a.lowMHz[region - 1];
            high = a.highMHz[region - 1];
        } else {
            low = std::max({a.lowMHz[0], a.lowMHz[1], a.lowMHz[2]});
            high = std::min({a.highMHz[0], a.highMHz[1], a.highMHz[2]});
            if (std::min({a.lowMHz[0], a.lowMHz[1], a.lowMHz[2]}) == kNone)
                continue;
        }
        if (high > low && high > lowMHz && low < highMHz)
            bands.push_back({a.name, low, high});
    }
    return bands;
}

} // namespace discone::study
