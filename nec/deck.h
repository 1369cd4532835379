// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// NEC-2 card decks: the text nec2c runs and NEC-2 programs open. Numbers are
// written with a point whatever the locale, as the card format needs.
#pragma once

#include "model.h"

#include <string>
#include <vector>

namespace discone::nec {

// The frequencies of an FR card: `count` of them from `startMHz`, each the one
// before times `ratio` (1 for a single frequency).
struct FrequencySteps {
    double startMHz = 0;
    int count = 1;
    double ratio = 1;
};

// CM cards (one per comment line, in order; a line longer than a card's 77
// columns of text continues on the next CM card), CE, the model's GW cards, GR for
// its copies, GE, EK (the extended thin-wire kernel), one EX voltage source
// per source tag, FR, XQ and EN. No PT or PQ cards, so NEC-2 viewers that
// refuse them open the deck too.
std::string deck(const Model& model, const std::vector<std::string>& comments,
                 const FrequencySteps& frequencies);

// `value` with up to `digits` significant digits in the shortest form, with a
// point; shared with the other text writers of this library.
std::string number(double value, int digits = 9);

} // namespace discone::nec
