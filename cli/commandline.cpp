// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "dimensions.h"
#include "messages.h"
#include "printable.h"

#include <algorithm>
#include <iterator>

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
    // printable()'s escapes, the common control characters as C writes them.
    static constexpr std::pair<std::string_view, char> kLetters[] = {
        {"07", 'a'}, {"08", 'b'}, {"09", 't'}, {"0a", 'n'}, {"0b", 'v'}, {"0c", 'f'}, {"0d", 'r'}};
    const std::string escaped = printable(text);
    std::string out = "'";
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        out += escaped[i];
        if (escaped[i] != '\\' || i + 1 == escaped.size())
            continue;
        if (escaped[i + 1] == 'x' && i + 3 < escaped.size()) {
            const std::string_view hex = std::string_view(escaped).substr(i + 2, 2);
            const auto letter = std::find_if(std::begin(kLetters), std::end(kLetters),
                                             [hex](const auto& l) { return l.first == hex; });
            if (letter != std::end(kLetters)) {
                out += letter->second;
                i += 3;
                continue;
            }
        }
        out += escaped[++i]; // the escape's next character: never taken for an escape itself
    }
    return out + "'";
}

std::string oneLine(std::string_view message) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char ch : message) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

std::vector<std::string> Request::outputs() const {
    std::vector<std::string> files;
    for (const std::string* file : {&s1pFile, &plotFile, &smithFile, &sheetFile, &patternFile})
        if (!file->empty())
            files.push_back(*file);
    return files;
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

    // Names compared as files before anything runs: the measurement must not
    // be written over, nor two outputs into one file.
    if (context.files && !r.outputs().empty()) {
        std::vector<std::string> inputs;
        if (!r.measuredFile.empty())
            inputs.push_back(r.measuredFile);
        if (const auto same = context.files->sameFile(inputs, r.outputs()))
            return usageError({same->message()});
    }

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
