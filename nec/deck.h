// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// NEC-2 card decks: the text nec2c runs and NEC-2 programs open. Numbers are
// written with a point whatever the locale, as the card format needs.
#pragma once

#include "engine.h"
#include "model.h"

#include <string>
#include <vector>

namespace discone::nec {

enum class DeckUse {
    Printed,  // for people and NEC-2 programs: no PT or PQ card, which some viewers refuse
    Internal, // for the program's own runs: PT -1, so the engine prints no currents
};

// CM cards (one per comment line, in order; a line longer than a card's 77
// columns of text continues on the next CM card), CE, the model's GW cards, GR for
// its copies, GE, PT for internal use (the thin-wire kernel throughout),
// one EX voltage source per source tag, FR, then XQ, or, for a pattern, an RP
// card for its elevation cuts from theta 0 to 180 at each frequency, and EN.
std::string deck(const Model& model, const std::vector<std::string>& comments,
                 const FrequencySteps& frequencies, DeckUse use = DeckUse::Printed,
                 const PatternRequest& pattern = {});

// The deck of one of the program's own runs.
std::string jobDeck(const EngineJob& job);

// The samples of an elevation cut at `stepDeg`, from theta 0 to 180.
int patternSamples(double stepDeg);

} // namespace discone::nec
