// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader and the profile layer as the
// settings file, writes settings into it, and checks that no byte of input
// can crash either and that a read after the write returns what was written.
#include "core/profile_file.h"
#include "core/settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "settings invariant broken: %s\n", what);
        std::abort();
    }
}

/// A private directory for the file, made once per process.
const std::string& directory()
{
    static const std::string dir = [] {
        char name[] = "/tmp/quillbox-settings-fuzz-XXXXXX";
        check(::mkdtemp(name) != nullptr, "temporary directory");
        return std::string(name);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillbox;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The parsed value on its own: a set is read back by the next get, and
    // survives the value's own bytes being parsed again.
    ProfileFile value(bytes);
    const std::string text(bytes.substr(0, std::min<std::size_t>(bytes.size(), 40)));
    (void)value.get("Position", "Top", "x");
    if (value.set("Return Address", "Line 1", text)) {
        const std::string expected = text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
        ProfileFile again(value.bytes());
        const std::string got = again.get("Return Address", "Line 1", "");
        // The read trims blanks and one pair of quotes; compare the core.
        check(got.size() <= expected.size(), "set value read back no longer than written");
    }

    // The settings file as the program reads and writes it.
    const SettingsFile settings(directory());
    {
        std::ofstream out(settings.path(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const CardFont design = designCardFont();
    (void)settings.readTop();
    (void)settings.read({1, 2, 3, 4}, design);

    const WindowPlacement placement {size % 700 > 350 ? -17 : 40, 7, 300 + static_cast<int>(size % 500), 640};
    CardFont font = design;
    font.name = size % 2 ? "Courier New" : " Arial Narrow ";
    font.pitch = size % 3 ? FontPitch::Fixed : FontPitch::Variable;
    font.italic = size % 5 == 0;
    const std::array<std::string, 4> lines = {text, "\"quoted\"", "", "Z\xFCrich"};
    const SettingsWrite written = settings.writeinifile(placement, font, static_cast<int>(size % 2000));
    const SettingsWrite address = settings.writeReturnAddress(lines);
    if (written.ok && address.ok) {
        check(settings.readTop() == placement.top, "Top reads back");
        const StoredSettings stored = settings.read({0, 0, 0, 0}, design);
        check(stored.placement == placement, "placement reads back");
        check(stored.font.name == font.name, "font name reads back");
        check(stored.font.pitch == font.pitch, "pitch reads back");
        check(stored.font.italic == font.italic, "style reads back");
        check(stored.lastCard == static_cast<int>(size % 2000), "last card reads back");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string expected
                = lines[i].substr(0, lines[i].find_first_of(std::string_view("\r\n\0", 3)));
            check(
                stored.returnAddress[i] == expected.substr(0, ProfileValueMax), "return address reads back");
        }
    }
    ::unlink(settings.path().c_str());
    return 0;
}
