// SPDX-License-Identifier: GPL-3.0-or-later
// Reading vCards is linear in the input: a note of quoted-printable soft
// line breaks, 1 to 16 MB, fed as a file would be in 64 KiB pieces. The
// fitted complexity should come out O(N), the time per MB flat.
#include "core/vcard.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

std::string softBreakNote(std::size_t megabytes)
{
    std::string text = "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLE:";
    const std::size_t lines = megabytes * 1024 * 1024 / 13;
    text.reserve(lines * 13 + 64);
    for (std::size_t i = 0; i < lines; ++i)
        text += "abcdefghij=\r\n";
    text += "z\r\nEND:VCARD\r\n";
    return text;
}

void BM_ReadSoftBreaks(benchmark::State& state)
{
    const std::string text = softBreakNote(static_cast<std::size_t>(state.range(0)));
    constexpr std::size_t Piece = 64 * 1024;
    for (auto _ : state) {
        std::size_t cards = 0;
        quillbox::vcard::Reader reader([&cards](quillbox::vcard::Contact&&) { ++cards; });
        for (std::size_t at = 0; at < text.size(); at += Piece)
            reader.feed(std::string_view(text).substr(at, Piece));
        reader.finish();
        benchmark::DoNotOptimize(cards);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadSoftBreaks)->RangeMultiplier(4)->Range(1, 16)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace
