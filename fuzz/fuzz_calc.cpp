// Feeds arbitrary bytes to the number reader and both calculate commands,
// under two locales. Every input must end in seven texts or a run-time
// error; anything else (a crash, a sanitizer report, a stray exception, a
// text that does not read back) is a finding.
#include "commands.h"
#include "numtext.h"
#include "runtime_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace discone;

const Separators kLocales[] = {{".", ","}, {",", "."}};

// Whatever reads as a number writes a text that reads back within half a
// unit of its last written digit (7 digits for a single, 15 for a double).
template <class Float>
void roundTrip(std::string_view text, const Separators& sep,
               Float (*read)(std::string_view, const Separators&),
               std::string (*write)(Float, const Separators&), double tolerance) {
    try {
        const Float value = read(text, sep);
        const Float back = read(write(value, sep), sep);
        if (std::abs(double(back) - double(value)) > std::abs(double(value)) * tolerance)
            std::abort();
    } catch (const RuntimeError&) {
    }
}

void command(std::string_view text, const Separators& sep, bool centimetres) {
    try {
        const BoxWrites writes =
            centimetres ? Command3_Click(text, sep) : Command1_Click(text, sep);
        for (const BoxWrite& w : writes) {
            if (w.text.empty())
                std::abort();
        }
    } catch (const RuntimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Separators& sep : kLocales) {
        roundTrip<float>(text, sep, readSingle, singleText, 6e-7);
        roundTrip<double>(text, sep, readDouble, doubleText, 5.2e-15);
        command(text, sep, false);
        command(text, sep, true);
    }
    return 0;
}
