#pragma once
// Makes a Birthday file of synthetic people for benchmarks and trials: realistic names
// (some with accents), dates of birth between 1920 and 2020, and some blanks (people
// without a date of birth, without a first name, or without a phone).

#include <cstdint>
#include <filesystem>

namespace ntx::bench {

// Writes `count` people into "BDAY.tps" in `folder` (created when missing). The same
// `seed` gives the same people. Returns false when the file could not be written.
bool generatePeople(const std::filesystem::path& folder, int count, std::uint32_t seed = 1);

}  // namespace ntx::bench
