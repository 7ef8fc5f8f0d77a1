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

// The folder of the benchmarks' Birthday file: 100,000 people unless NATALIX_BENCH_PEOPLE
// says otherwise, made on first use and kept in the temporary folder for later runs.
[[nodiscard]] std::filesystem::path benchmarkFolder();

}  // namespace ntx::bench
