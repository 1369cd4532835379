// The two calculate commands, as functions from the text of the input box to
// the ordered writes into the seven output boxes. The window applies the
// writes; on any error the command throws before returning, so nothing is
// written at all.
#pragma once

#include "numtext.h"

#include <array>
#include <string>
#include <string_view>

namespace discone {

struct BoxWrite {
    const char* box; // object name of the output box, "Text6", ...
    std::string text;
    bool operator==(const BoxWrite& o) const {
        return std::string_view(box) == o.box && text == o.text;
    }
};

using BoxWrites = std::array<BoxWrite, 7>;

// Inches: Text6, Text4, Text3, Text2, Text5, Text18, Text7.
BoxWrites Command1_Click(std::string_view input, const Separators& sep);
// Centimetres: Text2, Text3, Text4, Text5, Text6, Text18, Text7.
BoxWrites Command3_Click(std::string_view input, const Separators& sep);

} // namespace discone
