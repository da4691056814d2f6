// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: the 2000-card sample, temporary directories
// that hold it, and message boxes that answer themselves.
#pragma once

#include "platform/services.h"

#include <benchmark/benchmark.h>
#include <string>
#include <string_view>

namespace quillbox::bench {

/// The bytes of the shared 2000-card sample file when it is there, otherwise
/// of 2000 generated cards of 3 to 8 lines, sorted as the program saves them
/// and the same on every run. Read or generated once.
const std::string& sampleCardBytes();

/// A fresh temporary directory, removed with all it holds at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// False when the directory could not be made (path() is then empty).
    bool ok() const { return !m_path.empty(); }
    /// ok(); when false, also marks `state` skipped with an error.
    bool readyFor(benchmark::State& state) const;
    const std::string& path() const { return m_path; }
    /// Writes `bytes` as the file `name` in the directory.
    void write(const char* name, std::string_view bytes) const;

private:
    std::string m_path;
};

/// A temporary directory the program can start on: the sample as
/// quillbox.db, and a quillbox.ini placing the window at 100,100, 465 by 338,
/// with card 1000 to show.
class SampleCardDir : public TempDir {
public:
    SampleCardDir();
};

/// Services whose message boxes answer at once (OK, or the Escape choice);
/// the other services are absent.
Services silentServices();

} // namespace quillbox::bench
