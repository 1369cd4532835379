// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "dimensions.h"
#include "messages.h"

namespace discone::cli {

namespace {

// What is wrong with the frequency text, after the kind of failure.
std::string_view problem(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return " is not a number of megahertz, such as 146";
    case ErrorKind::Overflow:
        return " is too large or too small a frequency to calculate with; give a number of "
               "megahertz such as 146";
    case ErrorKind::DivisionByZero:
        return " is zero; give a number of megahertz other than zero, such as 146";
    }
    return {};
}

} // namespace

std::string dimensionLines(const ResultTexts& texts) {
    std::string out;
    for (const DimensionDescriptor& row : descriptors(Unit::Inches))
        out += joined({row.key, "\t", texts[row.dimension], "\n"});
    return out;
}

std::string quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    static constexpr std::pair<char, char> kEscapes[] = {{'\\', '\\'}, {'\a', 'a'}, {'\b', 'b'},
                                                         {'\t', 't'},  {'\n', 'n'}, {'\v', 'v'},
                                                         {'\f', 'f'},  {'\r', 'r'}};
    std::string out = "'";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        bool escaped = false;
        for (const auto& [raw, letter] : kEscapes) {
            if (ch == raw) {
                out += '\\';
                out += letter;
                escaped = true;
            }
        }
        if (escaped)
            continue;
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    out += '\'';
    return out;
}

std::string calculationErrorLine(const CalculationError& error, std::string_view given) {
    return joined(
        {"discone: ", kindName(error.kind()), ": ", quoted(given), problem(error.kind()), "\n"});
}

Result run(std::span<const std::string_view> args, const Context& context) {
    auto parsed = parse(args, context.separators);
    if (auto* answer = std::get_if<Result>(&parsed))
        return *answer;
    const Request& r = std::get<Request>(parsed);

    DisconeDimensions dimensions;
    ResultTexts texts;
    try {
        dimensions = calculateDimensions(readSingle(r.frequency, context.separators));
        texts = formatDimensions(dimensions, *r.unit, context.separators);
    } catch (const CalculationError& error) {
        return {kExitFailure, {}, calculationErrorLine(error, r.frequency), false};
    }
    if (!r.deck && !r.needsSweep() && r.patternFile.empty() && !r.tune)
        return {kExitSuccess, dimensionLines(texts), {}, false};
    Result model = runModel(r, dimensions, context);
    if (model.status != kExitSuccess || model.interrupted)
        return {model.status, {}, model.err, model.interrupted}; // nothing half-done
    // Pictures and files alone print the dimensions, as a plain calculation
    // would.
    if (!r.deck && !r.table && !r.tune)
        model.out = dimensionLines(texts);
    return model;
}

} // namespace discone::cli
