// The birthday list's rows over a Birthday file of 100,000 synthetic people (see
// PeopleGenerator.h): opening the list in name order, switching to a month tab (record
// count and first page) and scrolling to the end, beside the same count and first-page
// queries run directly with SQLite. After the run, the growth of the process's memory
// while scrolling through every row is printed: it must not grow with the number of
// people beyond the rows shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>

#include "PeopleGenerator.h"
#include "RatioReporter.h"
#include "data/BirthdayFile.h"
#include "data/FileAccessSet.h"
#include "platform/Sqlite.h"
#include "platform/StoreFile.h"
#include "platform/qt/BrowseList.h"

namespace {

using namespace ntx;

const char* const kFormat =
    "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@43L(1)|M*~Month born~L(2)@s10@"
    "41C|M*~Born~L(2)@D017B@";
const std::vector<int> kFields = {bir::LASTNAME, bir::FIRSTNAME, bir::MONTHBORN, bir::DOB};

struct Files {
    ErrorManager errors;
    FileAccessSet set{errors, bench::benchmarkFolder()};
    SqliteDatabase bare;
    Files() {
        if (!set.birthdays().open()) std::abort();
        bare.open((bench::benchmarkFolder() / "BDAY.tps").string(), SQLITE_OPEN_READONLY);
    }
};

Files& files() {
    static Files f;
    return f;
}

// Shows the first page as the table would: every cell of its rows formatted.
void showFirstPage(BrowseList& list) {
    for (int row = 0; row < 30 && row < list.model().rowCount(); ++row) {
        for (int column = 0; column < list.model().columnCount(); ++column) {
            benchmark::DoNotOptimize(
                list.model().data(list.model().index(row, column), Qt::DisplayRole));
        }
    }
}

void OpenByName_Store(benchmark::State& state) {
    for (auto _ : state) {
        BrowseList list(files().set.birthdays(), QStringLiteral("Browse:2"));
        list.setFormat(kFormat, kFields);
        list.setSortOrder({birkey::NameKey, "", bir::LASTNAME});
        showFirstPage(list);
    }
}

void OpenByName_Bare(benchmark::State& state) {
    for (auto _ : state) {
        SqliteStatement count;
        count.prepare(files().bare,
                      "SELECT count(*) FROM BDAY WHERE (LASTNAME <> '' OR FIRSTNAME <> '')");
        count.step();
        SqliteStatement page;
        page.prepare(
            files().bare,
            "SELECT " + selectColumns(birthdayFile()) +
                " FROM BDAY WHERE (LASTNAME <> '' OR FIRSTNAME <> '') ORDER BY LASTNAME COLLATE "
                "NTXNOCASE, FIRSTNAME COLLATE NTXNOCASE, rowid LIMIT 64");
        while (page.step() == SQLITE_ROW) benchmark::DoNotOptimize(page.columnText(1));
    }
}

void MonthTab_Store(benchmark::State& state) {
    BrowseList list(files().set.birthdays(), QStringLiteral("Browse:2"));
    list.setFormat(kFormat, kFields);
    for (auto _ : state) {
        list.setSortOrder({birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 11)", bir::MONTHTAG});
        showFirstPage(list);
    }
}

void MonthTab_Bare(benchmark::State& state) {
    for (auto _ : state) {
        SqliteStatement count;
        count.prepare(files().bare,
                      "SELECT count(*) FROM BDAY WHERE (+MONTHTAG <> 0 OR +DAYBORN <> 0) AND "
                      "ntx_month(DOB) = 11");
        count.step();
        SqliteStatement page;
        page.prepare(files().bare,
                     "SELECT " + selectColumns(birthdayFile()) +
                         " FROM BDAY WHERE (MONTHTAG <> 0 OR DAYBORN <> 0) AND ntx_month(DOB) = 11 "
                         "ORDER BY MONTHTAG, DAYBORN, rowid LIMIT 64");
        while (page.step() == SQLITE_ROW) benchmark::DoNotOptimize(page.columnText(1));
    }
}

void ScrollToEnd_Store(benchmark::State& state) {
    BrowseList list(files().set.birthdays(), QStringLiteral("Browse:2"));
    list.setFormat(kFormat, kFields);
    list.setSortOrder({birkey::NameKey, "", bir::LASTNAME});
    for (auto _ : state) {
        list.reload();  // forgets the rows read, so the last page is read afresh
        list.selectRow(list.model().rowCount() - 1);
        benchmark::DoNotOptimize(list.model().rowAt(list.model().rowCount() - 1));
    }
}

BENCHMARK(OpenByName_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenByName_Bare)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthTab_Store)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthTab_Bare)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollToEnd_Store)->Unit(benchmark::kMillisecond);

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Scrolls row by row through every person of the name order and reports how much the
// resident memory grew.
void reportMemory() {
    BrowseList list(files().set.birthdays(), QStringLiteral("Browse:2"));
    list.setFormat(kFormat, kFields);
    list.setSortOrder({birkey::NameKey, "", bir::LASTNAME});
    showFirstPage(list);
    const long before = residentKiB();
    const int rows = list.model().rowCount();
    for (int row = 0; row < rows; ++row) benchmark::DoNotOptimize(list.model().rowAt(row));
    const long after = residentKiB();
    std::printf(
        "\nscrolling through %d people: resident memory %ld KiB before, %ld KiB after (+%ld KiB)\n",
        rows, before, after, after - before);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    files();
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reportMemory();
    benchmark::Shutdown();
    return 0;
}
