// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "feedline.h"
#include "model.h"
#include "pattern.h"
#include "sweep.h"

#include <charconv>

namespace discone::study {

namespace {

constexpr double kLowestReferenceOhms = 1;
constexpr double kHighestReferenceOhms = 1000;

// clang-format off
constexpr SettingDescriptor kSettings[] = {
    {Setting::Radials, "--radials", "N", "", Reading::Whole,
     nec::kMinimumRadials, nec::kMaximumRadials, false, nec::kDefaultRadials,
     "rods in the disc and in the cone"},
    {Setting::WireDiameter, "--wire-diameter", "MM", "mm", Reading::Decimal,
     nec::kMinimumWireDiameterMm, INFINITY, false, nec::kDefaultWireDiameterMm,
     "the rods' diameter in millimetres; where rods of the default do not fit the design, "
     "the thickest that do"},
    {Setting::Highest, "--to", "MHZ", "MHz", Reading::Decimal, 0, INFINITY, true, NAN,
     "the highest frequency of the sweep, above FREQ (default ten times FREQ, or where the "
     "rods reach one of the model's limits)"},
    {Setting::Points, "--points", "N", "", Reading::Whole,
     nec::kMinimumPoints, nec::kMaximumPoints, false, nec::kDefaultPoints,
     "frequencies in the sweep, spaced evenly on a logarithmic scale"},
    {Setting::ReferenceOhms, "--z0", "OHMS", "ohms", Reading::Decimal,
     kLowestReferenceOhms, kHighestReferenceOhms, false, nec::kReferenceOhms,
     "the reference impedance of the SWR, the return loss, the Smith chart and the Touchstone "
     "file: 50 for most radios, 75 for TV and scanner feeds"},
    {Setting::Feedline, "--feedline", "TYPE:METRES", "", Reading::Text, 0,
     kMaximumFeedlineMetres, false, NAN,
     "the coaxial cable between the antenna and the radio, such as rg213:12.5, whose end at "
     "the radio --swr adds to the table and the summary, and --plot and --sheet draw beside "
     "the antenna's SWR"},
    {Setting::PatternAt, "--at", "MHZ,...", "MHz", Reading::List, 0, INFINITY, true, NAN,
     "the frequencies of --pattern instead, up to 8, separated by commas, each from FREQ up "
     "to where the rods reach NEC-2's limits (with a point for decimals in every locale, as "
     "in 146,292.5)"},
};
// clang-format on

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || text[0] == '+' || res.ec != std::errc() ||
        res.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::span<const SettingDescriptor> settings() {
    return kSettings;
}

const SettingDescriptor& setting(Setting id) {
    for (const SettingDescriptor& row : kSettings)
        if (row.id == id)
            return row;
    return kSettings[0]; // every id has a row
}

std::optional<double> readSetting(const SettingDescriptor& row, std::string_view text,
                                  const Separators& sep) {
    std::optional<double> number;
    if (row.reading == Reading::Whole) {
        if (const auto n = wholeNumber(text))
            number = *n;
    } else if (row.reading == Reading::Decimal) {
        number = readPlainNumber(text, sep);
    }
    if (!number || *number < row.low || *number > row.high || (row.aboveLow && *number == row.low))
        return std::nullopt;
    return number;
}

std::string wanted(const SettingDescriptor& row, const Separators& sep) {
    const auto text = [&sep](double value) { return readableText(value, 15, sep); };
    if (row.reading == Reading::Whole)
        return "a whole number from " + text(row.low) + " to " + text(row.high);
    if (row.aboveLow && row.low == 0 && std::isinf(row.high))
        return "a number above zero";
    if (std::isinf(row.high))
        return "a number of at least " + text(row.low);
    return "a number from " + text(row.low) + " to " + text(row.high);
}

} // namespace discone::study
