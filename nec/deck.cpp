// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck.h"

#include "numbers.h"

#include <cmath>

namespace discone::nec {

namespace {

// Cards are 80 columns; nec2c aborts on much longer lines.
constexpr std::size_t kCommentWidth = 77; // after "CM "

// One comment line as the texts of CM cards: control characters (a line
// break would start a card of its own) become blanks, and a long line is
// wrapped at a blank, or at a character boundary of its UTF-8 text.
std::vector<std::string> commentCards(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    std::vector<std::string> cards;
    while (text.size() > kCommentWidth) {
        std::size_t cut = text.rfind(' ', kCommentWidth);
        if (cut == std::string::npos || cut == 0) {
            cut = kCommentWidth;
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80)
                --cut;
        }
        cards.push_back(text.substr(0, cut));
        text.erase(0, text[cut] == ' ' ? cut + 1 : cut);
    }
    cards.push_back(text);
    return cards;
}

} // namespace

int patternSamples(double stepDeg) {
    return static_cast<int>(std::lround(180 / stepDeg)) + 1;
}

std::string deck(const Model& model, const std::vector<std::string>& comments,
                 const FrequencySteps& frequencies, DeckUse use, const PatternRequest& pattern) {
    std::string out;
    const auto card = [&out](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& f : fields) {
            if (!first)
                out += ' ';
            out += f;
            first = false;
        }
        out += '\n';
    };
    for (const std::string& line : comments)
        for (const std::string& piece : commentCards(line))
            out += piece.empty() ? "CM\n" : "CM " + piece + "\n";
    out += "CE\n";

    int tag = 0;
    const auto wire = [&](const Wire& w) {
        ++tag;
        card({"GW", std::to_string(tag), std::to_string(w.segments), number(w.start.x),
              number(w.start.y), number(w.start.z), number(w.end.x), number(w.end.y),
              number(w.end.z), number(w.radius)});
    };
    for (const Wire& w : model.wires)
        wire(w);
    if (model.copies > 1)
        card({"GR", std::to_string(model.wires.size()), std::to_string(model.copies)});
    tag *= model.copies;
    for (const Wire& w : model.axis)
        wire(w);
    card({"GE", "0"});
    if (use == DeckUse::Internal)
        card({"PT", "-1", "0", "0", "0"});
    for (int source : model.sourceTags)
        card({"EX", "0", std::to_string(source), "1", "0", "1", "0"});
    const bool stepped = frequencies.count > 1;
    card({"FR", stepped ? "1" : "0", std::to_string(frequencies.count), "0", "0",
          number(frequencies.startMHz, 12), number(stepped ? frequencies.ratio : 0, 15)});
    // The RP card runs the solution itself, so it takes XQ's place.
    if (pattern.wanted())
        card({"RP", "0", std::to_string(patternSamples(pattern.thetaStepDeg)),
              std::to_string(pattern.phiCount), "1000", "0", "0", number(pattern.thetaStepDeg),
              number(pattern.phiCount > 1 ? pattern.phiStepDeg : 0)});
    else
        card({"XQ"});
    card({"EN"});
    return out;
}

std::string jobDeck(const EngineJob& job) {
    return deck(job.model, {"discone: one run of the program's own"}, job.frequencies,
                DeckUse::Internal, job.pattern);
}

} // namespace discone::nec
