// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// drawimages: draws every image the program carries and writes them into
// the folder named on the command line. The output depends only on this
// code, so the committed images can be checked against a fresh drawing.
#include "images.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool writeFile(const std::filesystem::path& path, const discone::draw::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "drawimages: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace discone::draw;
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawimages OUTPUT-FOLDER\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    const ProgramIcon icon = drawProgramIcon();
    bool ok = writeFile(dir / "antenna.bmp", bmp4(drawAntennaDiagram(), kAntennaPalette));
    ok = writeFile(dir / "cage.bmp", bmp24(drawCageSketch())) && ok;
    ok = writeFile(dir / "feedpoint.bmp", bmp4(drawFeedPointDetail(), kFeedPointPalette)) && ok;
    ok = writeFile(dir / "link.cur", cur(drawLinkPointer(), 13, 9)) && ok;
    ok = writeFile(dir / "discone.ico", ico({icon.colour32, icon.colour16, icon.mono32})) && ok;
    for (const auto& [size, png] : desktopIcons(icon))
        ok = writeFile(dir / ("discone-" + std::to_string(size) + ".png"), png) && ok;
    return ok ? 0 : 1;
}
