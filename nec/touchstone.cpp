// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "touchstone.h"

#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

namespace discone::nec {

namespace {

// Enough significant digits to read back the very same double.
constexpr int kExactDigits = 17;
// What an error message quotes of a word from the file.
constexpr std::size_t kQuotedLength = 24;
constexpr std::string_view kBlanks = " \t\f\v";
constexpr std::string_view kRowSize =
    "a row needs 3 numbers (frequency and one complex value), not ";
// 10 THz: no analyser measures above it.
constexpr double kHighestMHz = 1e7;

enum class Unit { Hz, KHz, MHz, GHz };
enum class Parameter { S, Z, Y };
enum class Format { RI, MA, DB };

// Touchstone 1's defaults for what the option line leaves out.
struct Options {
    Unit unit = Unit::GHz;
    Parameter parameter = Parameter::S;
    Format format = Format::MA;
    double referenceOhms = 50;
};

[[noreturn]] void fail(int line, const std::string& reason) {
    throw TouchstoneError(line, reason);
}

// A word from the file for a message: printable ASCII only, so the message
// stays one line whatever the file holds, and not too long.
std::string quoted(std::string_view word) {
    std::string text = "\"";
    for (const char c : word.substr(0, kQuotedLength))
        text += c >= 0x20 && c < 0x7f ? c : '?';
    return text + (word.size() > kQuotedLength ? "...\"" : "\"");
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const std::size_t end = line.find_first_of(kBlanks, start);
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(kBlanks, end);
    }
    return words;
}

std::string upper(std::string_view word) {
    std::string text(word);
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// from_chars never looks at the locale; it takes no leading plus, which
// some writers put before positive numbers.
double numberOf(std::string_view word, int line) {
    std::string_view digits = word;
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '+' && digits[1] != '-')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] =
        portable::fromChars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        fail(line, quoted(word) + " is out of range");
    if (error != std::errc() || end != digits.data() + digits.size())
        fail(line, quoted(word) + " is not a number");
    if (!std::isfinite(value))
        fail(line, quoted(word) + " is not a finite number");
    return value;
}

// The words of one kind on the option line: each kind once.
class OptionWords {
public:
    explicit OptionWords(int line) : line_(line) {}
    void take(std::string_view kind, std::string_view word) {
        for (const auto& [seenKind, seenWord] : seen_)
            if (seenKind == kind)
                fail(line_, "the option line gives two " + std::string(kind) + ", " +
                                quoted(seenWord) + " and " + quoted(word));
        seen_.emplace_back(kind, word);
    }

private:
    int line_;
    std::vector<std::pair<std::string_view, std::string_view>> seen_;
};

Options readOptions(const std::vector<std::string_view>& words, int line) {
    Options options;
    OptionWords kinds(line);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = upper(words[i]);
        if (word == "HZ" || word == "KHZ" || word == "MHZ" || word == "GHZ") {
            kinds.take("frequency units", words[i]);
            options.unit = word == "HZ"    ? Unit::Hz
                           : word == "KHZ" ? Unit::KHz
                           : word == "MHZ" ? Unit::MHz
                                           : Unit::GHz;
        } else if (word == "S" || word == "Z" || word == "Y") {
            kinds.take("kinds of parameter", words[i]);
            options.parameter = word == "S"   ? Parameter::S
                                : word == "Z" ? Parameter::Z
                                              : Parameter::Y;
        } else if (word == "H" || word == "G") {
            fail(line, word + " parameters describe two-ports: this is not a one-port file");
        } else if (word == "RI" || word == "MA" || word == "DB") {
            kinds.take("formats", words[i]);
            options.format = word == "RI" ? Format::RI : word == "MA" ? Format::MA : Format::DB;
        } else if (word == "R") {
            if (++i == words.size())
                fail(line, "R needs the reference resistance after it");
            kinds.take("reference resistances", words[i]);
            options.referenceOhms = numberOf(words[i], line);
            if (options.referenceOhms <= 0)
                fail(line, "the reference resistance must be above zero, not " + quoted(words[i]));
        } else {
            fail(line, "unknown word " + quoted(words[i]) + " in the option line");
        }
    }
    return options;
}

// Divides rather than multiplies by a power of ten below one, which has no
// exact double: 146000000 Hz is exactly 146 MHz.
double toMHz(double frequency, Unit unit) {
    switch (unit) {
    case Unit::Hz:
        return frequency / 1e6;
    case Unit::KHz:
        return frequency / 1e3;
    case Unit::MHz:
        return frequency;
    case Unit::GHz:
        return frequency * 1e3;
    }
    return frequency;
}

// The pair as the complex S11 against the file's reference.
std::complex<double> s11Of(double first, double second, const Options& options) {
    std::complex<double> value(first, second);
    if (options.format != Format::RI) {
        const double magnitude = options.format == Format::MA ? first : std::pow(10, first / 20);
        const double radians = second * std::numbers::pi / 180;
        value = {magnitude * std::cos(radians), magnitude * std::sin(radians)};
    }
    switch (options.parameter) {
    case Parameter::S:
        return value;
    case Parameter::Z: // z = Z/R
        return (value - 1.0) / (value + 1.0);
    case Parameter::Y: // y = Y*R
        return (1.0 - value) / (1.0 + value);
    }
    return value;
}

bool isFinite(std::complex<double> value) {
    return std::isfinite(value.real()) && std::isfinite(value.imag());
}

// S against `fromOhms` as S against `toOhms`: Z = R(1 + S)/(1 - S) against
// the new reference, multiplied through by (1 - S) so that an open circuit
// (S = 1) needs no infinite Z, and both references divided by the larger so
// that no product overflows.
std::complex<double> rereferenced(std::complex<double> s, double fromOhms, double toOhms) {
    const double larger = std::max(fromOhms, toOhms);
    const std::complex<double> z = fromOhms / larger * (1.0 + s);
    const std::complex<double> r = toOhms / larger * (1.0 - s);
    return (z - r) / (z + r);
}

// Field solvers write each frequency's port impedance as a comment of its
// own, "! Port Impedance 50.2 -0.1" (ohms, real and imaginary part; HFSS
// glues the first number to the word at times: "Impedance0"). The numbers'
// words of such a comment, or none for any other comment, including one in
// words such as "! Port impedance: 50 ohms".
std::optional<std::vector<std::string_view>> portImpedanceWords(std::string_view comment) {
    const auto skipBlanks = [&] {
        comment.remove_prefix(std::min(comment.find_first_not_of(kBlanks), comment.size()));
    };
    const auto take = [&](std::string_view word) {
        if (comment.size() < word.size() || upper(comment.substr(0, word.size())) != word)
            return false;
        comment.remove_prefix(word.size());
        return true;
    };
    skipBlanks();
    if (!take("PORT") || comment.find_first_of(kBlanks) != 0)
        return std::nullopt;
    skipBlanks();
    if (!take("IMPEDANCE"))
        return std::nullopt;
    const std::vector<std::string_view> words = wordsOf(comment);
    for (const std::string_view word : words)
        if (word.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
            return std::nullopt;
    if (words.empty())
        return std::nullopt;
    return words;
}

// The port impedance of such a comment in ohms: above zero and real, for S
// against a complex reference means different things to different programs.
double portOhmsOf(const std::vector<std::string_view>& words, int line) {
    if (words.size() > 2)
        fail(line, "a port impedance is one complex value, not " + std::to_string(words.size()) +
                       " numbers: this is not a one-port file");
    const double resistance = numberOf(words[0], line);
    const double reactance = words.size() == 2 ? numberOf(words[1], line) : 0;
    if (reactance != 0)
        fail(line, "the port impedance " + quoted(words[0]) + " " + quoted(words[1]) +
                       " ohms is complex, and S against a complex reference means different "
                       "things to different programs: renormalise the data to a real one");
    if (resistance <= 0)
        fail(line, "the port impedance must be above zero, not " + quoted(words[0]));
    return resistance;
}

// The next line of `text` from `start` without its end (LF, CRLF or CR).
std::string_view nextLine(std::string_view text, std::size_t& start) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    return line;
}

} // namespace

TouchstoneError::TouchstoneError(int line, const std::string& reason)
    : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + reason : reason),
      line_(line) {}

std::complex<double> reflection(std::complex<double> impedance, double referenceOhms) {
    return (impedance - referenceOhms) / (impedance + referenceOhms);
}

double reflectionSwr(std::complex<double> reflection) {
    const double magnitude = std::abs(reflection);
    return magnitude < 1 ? (1 + magnitude) / (1 - magnitude) : INFINITY;
}

OnePort onePort(const Sweep& sweep) {
    OnePort data;
    for (const SweepPoint& p : sweep.points)
        data.points.push_back({p.frequencyMHz, reflection(p.impedance, kReferenceOhms)});
    return data;
}

OnePort withReference(const OnePort& data, double referenceOhms) {
    OnePort result{referenceOhms, {}};
    result.points.reserve(data.points.size());
    for (const ReflectionPoint& p : data.points)
        result.points.push_back(
            {p.frequencyMHz, rereferenced(p.s11, data.referenceOhms, referenceOhms)});
    return result;
}

std::string writeTouchstone(const OnePort& data, const std::vector<std::string>& comments) {
    std::string text;
    for (std::string line : comments) {
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                c = ' ';
        // One that would read as a port impedance gets a second "!".
        const bool portLike = portImpedanceWords(line).has_value();
        text += line.empty() ? "!\n" : (portLike ? "!! " : "! ") + line + "\n";
    }
    text += "# MHZ S RI R " + number(data.referenceOhms, kExactDigits) + "\n";
    for (const ReflectionPoint& p : data.points)
        text += number(p.frequencyMHz, kExactDigits) + " " + number(p.s11.real(), kExactDigits) +
                " " + number(p.s11.imag(), kExactDigits) + "\n";
    return text;
}

OnePort readTouchstone(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Options options;
    bool optionsRead = false;
    int previousRow = 0; // the line of the last row, 0 before the first
    int firstRow = 0;
    OnePort data;
    // Port impedance comments come before the rows they apply to, or, as
    // HFSS writes them, one after each row: the first one tells which.
    enum class Ports { None, BeforeRows, AfterEachRow } ports = Ports::None;
    double portOhms = 0;         // before rows: the one for the rows that follow
    bool lastRowHasPort = false; // after each row
    const auto againstOptions = [&](std::complex<double> s11, double ohms, int line) {
        s11 = ohms == options.referenceOhms ? s11 : rereferenced(s11, ohms, options.referenceOhms);
        if (!isFinite(s11))
            fail(line, "the values give no finite reflection coefficient");
        return s11;
    };
    const auto rowWithoutPort = [&](int line) {
        fail(line, "no port impedance comment follows this row, as one follows other rows");
    };
    int at = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::string_view line = nextLine(text, start);
        ++at;
        const std::size_t bang = line.find('!');
        if (bang != std::string_view::npos && line.find_first_not_of(kBlanks) == bang) {
            if (const auto words = portImpedanceWords(line.substr(bang + 1))) {
                const double ohms = portOhmsOf(*words, at);
                if (ports == Ports::None) {
                    ports = data.points.empty() ? Ports::BeforeRows : Ports::AfterEachRow;
                    if (data.points.size() > 1)
                        rowWithoutPort(firstRow);
                }
                if (ports == Ports::BeforeRows) {
                    portOhms = ohms;
                    continue;
                }
                if (lastRowHasPort)
                    fail(at, "a second port impedance for the row on line " +
                                 std::to_string(previousRow));
                data.points.back().s11 = againstOptions(data.points.back().s11, ohms, at);
                lastRowHasPort = true;
                continue;
            }
        }
        line = line.substr(0, bang);
        const std::size_t first = line.find_first_not_of(kBlanks);
        if (first == std::string_view::npos)
            continue;
        if (line[first] == '[')
            fail(at, "Touchstone 2 keywords are not read: save the file as Touchstone 1 (.s1p)");
        if (line[first] == '#') {
            if (previousRow > 0 && !optionsRead)
                fail(at, "the option line must come before the data");
            if (!optionsRead)
                options = readOptions(wordsOf(line.substr(first + 1)), at);
            optionsRead = true;
            continue;
        }

        const std::vector<std::string_view> words = wordsOf(line);
        std::vector<double> values;
        for (const std::string_view word : words)
            values.push_back(numberOf(word, at));
        if (values.size() != 3) {
            std::string reason = std::string(kRowSize) + std::to_string(values.size());
            if (values.size() > 3)
                reason += ": this is not a one-port file";
            else if (values.size() == 2 && previousRow == at - 1)
                reason += ": a row that goes on over lines is not one-port data";
            fail(at, reason);
        }
        const double mhz = toMHz(values[0], options.unit);
        if (mhz <= 0)
            fail(at, "the frequency must be above zero, not " + quoted(words[0]));
        if (!(mhz <= kHighestMHz))
            fail(at, "the frequency " + quoted(words[0]) +
                         " is above 10 THz, where no analyser measures");
        if (previousRow > 0 && mhz <= data.points.back().frequencyMHz)
            fail(at, "the frequency is not above the one on line " + std::to_string(previousRow));
        if (data.points.size() == kMaximumTouchstonePoints)
            fail(at, "more than " + std::to_string(kMaximumTouchstonePoints) + " points");
        if (ports == Ports::AfterEachRow && !lastRowHasPort)
            rowWithoutPort(previousRow);
        std::complex<double> s11 = s11Of(values[1], values[2], options);
        if (!isFinite(s11))
            fail(at, "the values give no finite reflection coefficient");
        if (ports == Ports::BeforeRows)
            s11 = againstOptions(s11, portOhms, at);
        data.points.push_back({mhz, s11});
        lastRowHasPort = false;
        firstRow = firstRow > 0 ? firstRow : at;
        previousRow = at;
    }
    if (data.points.empty())
        fail(0, "no data: the file has no rows of frequency and S11");
    if (ports == Ports::AfterEachRow && !lastRowHasPort)
        rowWithoutPort(previousRow);
    data.referenceOhms = options.referenceOhms;
    return data;
}

} // namespace discone::nec
