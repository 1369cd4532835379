// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One-port data as Touchstone version 1 files (.s1p), the format of vector
// network analysers such as the NanoVNA and of NEC programs: the predicted
// sweep written for them, and a measured antenna read back, so that its SWR
// can be set beside the prediction. Numbers are written and read with a
// point in every locale.
#pragma once

#include "sweep.h"

#include <complex>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace discone::nec {

inline constexpr std::size_t kMaximumTouchstonePoints = 100000;

struct ReflectionPoint {
    double frequencyMHz = 0;
    std::complex<double> s11; // the reflection coefficient against the reference
};

struct OnePort {
    double referenceOhms = kReferenceOhms;
    std::vector<ReflectionPoint> points; // rising frequency
};

// A file that is not one-port Touchstone 1 data; what() is one line, such as
// "line 7: a row needs 3 numbers (frequency and one complex value), not 9:
// this is not a one-port file", and names no line only for a file without
// data.
class TouchstoneError : public std::runtime_error {
public:
    TouchstoneError(int line, const std::string& reason);
    int line() const { return line_; } // from 1; 0 for the whole file

private:
    int line_;
};

// G = (Z - R)/(Z + R).
std::complex<double> reflection(std::complex<double> impedance, double referenceOhms);

// (1 + |G|)/(1 - |G|); infinite from total reflection (|G| = 1) on.
double reflectionSwr(std::complex<double> reflection);

// The sweep's impedances as reflections against kReferenceOhms.
OnePort onePort(const Sweep& sweep);

// The same data against another reference: each reflection becomes an
// impedance against the data's reference, and that one a reflection against
// `referenceOhms`. A reflection beyond total reflection may have no finite
// counterpart.
OnePort withReference(const OnePort& data, double referenceOhms = kReferenceOhms);

// The Touchstone 1 text: each of `comments` as one `! ` line (control
// characters become blanks; one that would read as a port impedance gets
// `!! `), the option line `# MHZ S RI R 50` (the data's
// reference), then one line per point: the frequency in MHz and the real
// and imaginary parts of S11, with the digits that read back the same
// doubles, and `\n` line ends.
std::string writeTouchstone(const OnePort& data, const std::vector<std::string>& comments);

// Reads one-port Touchstone 1 text as analysers and programs write it: any
// frequency unit (HZ, KHZ, MHZ, GHZ), S parameters, or Z and Y parameters
// (normalised to the reference) turned into S, as RI, MA or DB pairs with
// angles in degrees, any reference; words in any case, each kind at most
// once, the defaults `# GHZ S MA R 50` for an option line or words left
// out, only the first option line counted, `!` comments, blank lines, tabs,
// CRLF or CR line ends and a UTF-8 byte order mark.
// Field solvers' port impedances, each a comment line of its own such as
// `! Port Impedance 376.7 0` (ohms, real and imaginary part), count: either
// before the rows, each applying to the rows that follow it until the next,
// or, as HFSS writes them, one after each row, for that row (the first one
// tells which; a file with some rows left out is refused). Each point's
// values are against its port impedance (the option line's R where there is
// none), and come back against the option line's R. A port impedance that
// is not real is refused, for S against a complex reference means different
// things to different programs.
// The points come in MHz against the file's reference. Throws
// TouchstoneError for anything else, such as a file of more ports,
// Touchstone 2, a number that is not finite, frequencies that are not
// positive and rising, frequencies above 10 THz, or more than
// kMaximumTouchstonePoints points.
OnePort readTouchstone(std::string_view text);

} // namespace discone::nec
