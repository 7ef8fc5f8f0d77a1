// The record store against bare SQLite on the same Birthday file of synthetic people
// (100,000 unless NATALIX_BENCH_PEOPLE says otherwise): a month view's record count, the
// first 30 rows in name order, and a full pass over every record. Each of our figures is
// printed beside the bare SQLite one as a ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "PeopleGenerator.h"
#include "RatioReporter.h"
#include "data/BirthdayFile.h"
#include "data/FileAccessSet.h"
#include "platform/Sqlite.h"
#include "platform/StoreFile.h"
#include "platform/View.h"

namespace {

using namespace ntx;

struct Files {
    std::filesystem::path folder;
    ErrorManager errors;
    std::unique_ptr<FileAccessSet> set;
    SqliteDatabase bare;

    Files() {
        const char* env = std::getenv("NATALIX_BENCH_PEOPLE");
        const int people = env != nullptr ? std::atoi(env) : 100000;
        folder =
            std::filesystem::temp_directory_path() / ("natalix-bench-" + std::to_string(people));
        if (!std::filesystem::exists(folder / "BDAY.tps")) {
            std::filesystem::remove_all(folder);
            if (!bench::generatePeople(folder, people)) std::abort();
        }
        set = std::make_unique<FileAccessSet>(errors, folder);
        if (!set->birthdays().open()) std::abort();
        if (bare.open((folder / "BDAY.tps").string(), SQLITE_OPEN_READONLY) != SQLITE_OK)
            std::abort();
    }
};

Files& files() {
    static Files f;
    return f;
}

// Steps through a bare statement, reading every column as an application would.
std::int64_t readAllRows(SqliteStatement& stmt) {
    std::int64_t rows = 0;
    std::string text;
    const int columns = sqlite3_column_count(stmt.handle());
    while (stmt.step() == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(stmt.handle(), c) == SQLITE_TEXT) {
                text.assign(stmt.columnText(c));
            } else {
                benchmark::DoNotOptimize(stmt.columnInt(c));
            }
        }
        ++rows;
    }
    return rows;
}

const std::string kColumns = selectColumns(birthdayFile());

void MonthCount_Store(benchmark::State& state) {
    for (auto _ : state) {
        View v(files().set->birthdays(), {birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 5)"});
        benchmark::DoNotOptimize(v.count());
    }
}

void MonthCount_Bare(benchmark::State& state) {
    for (auto _ : state) {
        SqliteStatement stmt;
        stmt.prepare(files().bare, "SELECT count(*) FROM BDAY WHERE ntx_month(DOB) = 5");
        stmt.step();
        benchmark::DoNotOptimize(stmt.columnInt(0));
    }
}

void First30ByName_Store(benchmark::State& state) {
    for (auto _ : state) {
        View v(files().set->birthdays(), {birkey::NameKey});
        for (int i = 0; i < 30; ++i) benchmark::DoNotOptimize(v.next());
    }
}

void First30ByName_Bare(benchmark::State& state) {
    for (auto _ : state) {
        SqliteStatement stmt;
        stmt.prepare(files().bare,
                     "SELECT " + kColumns +
                         " FROM BDAY WHERE (LASTNAME <> '' OR FIRSTNAME <> '') ORDER BY LASTNAME "
                         "COLLATE NTXNOCASE, FIRSTNAME COLLATE NTXNOCASE, rowid LIMIT 30");
        benchmark::DoNotOptimize(readAllRows(stmt));
    }
}

void FullPass_Store(benchmark::State& state) {
    for (auto _ : state) {
        View v(files().set->birthdays(), {});
        std::int64_t n = 0;
        while (v.next()) ++n;
        benchmark::DoNotOptimize(n);
    }
}

void FullPass_Bare(benchmark::State& state) {
    for (auto _ : state) {
        SqliteStatement stmt;
        stmt.prepare(files().bare, "SELECT " + kColumns + " FROM BDAY");
        benchmark::DoNotOptimize(readAllRows(stmt));
    }
}

BENCHMARK(MonthCount_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthCount_Bare)->Unit(benchmark::kMillisecond);
BENCHMARK(First30ByName_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(First30ByName_Bare)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullPass_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(FullPass_Bare)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    files();  // the file is made before any timing starts
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
