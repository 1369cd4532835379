#include "commands.h"

#include "dimensions.h"

#if defined(__clang__)
#pragma STDC FENV_ACCESS ON
#endif

namespace discone {
namespace {

constexpr double kCentimetresPerInch = 2.54;

void readAndCalculate(std::string_view input, const Separators& sep) {
    calculateDimensions(readSingle(input, sep), sep);
}

// The status is cleared once before the products (a check clears it again
// only when it fails), so each check covers its own product.
std::string centimetres(double inches, const Separators& sep) {
    volatile double product = inches * kCentimetresPerInch;
    arithmeticCheck();
    return doubleText(product, sep);
}

} // namespace

BoxWrites Command1_Click(std::string_view input, const Separators& sep) {
    readAndCalculate(input, sep);
    const DisconeDimensions& d = Module1;
    return {{
        {"Text6", singleText(d.HeightToDisc, sep)},
        {"Text4", singleText(d.SideLength, sep)},
        {"Text3", roundToPlaces(d.DiscSpacing, 2, sep)},
        {"Text2", singleText(d.DiscDiameter, sep)},
        {"Text5", roundToPlaces(d.MinimumDiameter, 2, sep)},
        {"Text18", d.MeshSpacingText},
        {"Text7", singleText(d.SkirtDiameter, sep)},
    }};
}

BoxWrites Command3_Click(std::string_view input, const Separators& sep) {
    readAndCalculate(input, sep);
    clearArithmeticStatus();
    const DisconeDimensions& d = Module1;
    // Braced initialisation runs in order: the boxes' texts are formed in the
    // order they are written.
    return {{
        {"Text2", centimetres(d.DiscDiameter, sep)},
        {"Text3", centimetres(d.DiscSpacing, sep)},
        {"Text4", centimetres(d.SideLength, sep)},
        {"Text5", centimetres(d.MinimumDiameter, sep)},
        {"Text6", centimetres(d.HeightToDisc, sep)},
        {"Text18", d.MeshSpacingText == "SOLID"
                       ? std::string("solid")
                       : centimetres(readDouble(d.MeshSpacingText, sep), sep)},
        {"Text7", centimetres(d.SkirtDiameter, sep)},
    }};
}

} // namespace discone
