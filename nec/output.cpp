// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include "engine.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace discone::nec {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// Lines of a text, without copying it.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}
    bool next(std::string_view& line) {
        if (done_)
            return false;
        const auto end = rest_.find('\n');
        line = rest_.substr(0, end);
        if (end == std::string_view::npos)
            done_ = true;
        else
            rest_.remove_prefix(end + 1);
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

bool readNumber(std::string_view text, double& value) {
    text = trimmed(text);
    const auto [end, error] = portable::fromChars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while ((i = line.find_first_not_of(' ', i)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', i), line.size());
        out.push_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

std::string quote(std::string_view line) {
    return std::string(trimmed(line).substr(0, 160));
}

// A pattern table: a blank line and three heading lines, then one row per
// direction, phi outermost: theta, phi, the vertical, horizontal and total
// gains in dB, and more. NEC-2 prints -999.99 for no gain at all. The rows
// end at a blank line, or at the next card's echo after the deck's last
// pattern.
void readPattern(Lines& lines, std::vector<PatternCut>& into) {
    std::string_view row;
    for (int i = 0; i < 4; ++i)
        lines.next(row);
    double theta = 0, phi = 0, gain = 0;
    for (Lines ahead = lines; ahead.next(row) && !trimmed(row).empty(); lines = ahead) {
        const auto f = fields(row);
        if (f.empty() || !readNumber(f[0], theta))
            break;
        if (f.size() < 5 || !readNumber(f[1], phi) || !readNumber(f[4], gain))
            throw NecError("nec2c's output has an unreadable pattern line: " + quote(row));
        if (into.empty() || into.back().phiDeg != phi)
            into.push_back({phi, {}});
        into.back().samples.push_back({theta, gain <= -999 ? -INFINITY : gain});
    }
    if (into.empty())
        throw NecError("nec2c's output has a radiation pattern without values");
}

} // namespace

JobResults parseOutput(const std::string& output) {
    JobResults result;
    Lines lines(output);
    double frequency = NAN;
    std::string_view firstText;
    for (std::string_view line; lines.next(line);) {
        if (firstText.empty())
            firstText = trimmed(line);
        if (line.find("ERROR") != std::string_view::npos)
            throw NecError("nec2c reported: " + quote(line));
        if (const auto at = line.find("FREQUENCY :"); at != std::string_view::npos) {
            std::string_view rest = line.substr(at + 11);
            rest = rest.substr(0, rest.find("MHz"));
            if (!readNumber(rest, frequency))
                throw NecError("nec2c's output has an unreadable frequency: " + quote(line));
            continue;
        }
        if (line.find("RADIATION PATTERNS") != std::string_view::npos) {
            if (result.empty() || !result.back().cuts.empty())
                throw NecError("nec2c's output has a radiation pattern without an impedance");
            readPattern(lines, result.back().cuts);
            continue;
        }
        if (line.find("ANTENNA INPUT PARAMETERS") == std::string_view::npos)
            continue;
        // Two heading lines, then one row per source up to a blank line.
        std::string_view row;
        lines.next(row);
        lines.next(row);
        std::complex<double> admittance;
        int sources = 0;
        while (lines.next(row) && !trimmed(row).empty()) {
            const auto f = fields(row);
            double g = 0, b = 0;
            if (f.size() < 10 || !readNumber(f[8], g) || !readNumber(f[9], b))
                throw NecError("nec2c's output has an unreadable impedance line: " + quote(row));
            admittance += std::complex<double>(g, b);
            ++sources;
        }
        if (sources == 0 || std::isnan(frequency) || admittance == 0.0)
            throw NecError("nec2c's output has an input impedance table without values");
        result.push_back({frequency, 1.0 / admittance, {}});
        frequency = NAN;
    }
    if (result.empty())
        throw NecError("nec2c's output holds no input impedance: " +
                       (output.empty() ? std::string("it is empty") : quote(firstText)));
    return result;
}

} // namespace discone::nec
