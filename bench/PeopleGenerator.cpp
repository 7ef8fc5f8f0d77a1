#include "PeopleGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <random>

#include "data/BirthdayFile.h"
#include "data/FileAccessSet.h"
#include "platform/Dates.h"

namespace ntx::bench {
namespace {

constexpr const char* kLastNames[] = {
    "Smith",  "Jones",    "Williams", "Brown",    "Taylor", "Davies", "Evans",    "Wilson",
    "Thomas", "Müller",   "Schmidt",  "García",   "López",  "Martín", "Dubois",   "Lefèvre",
    "Rossi",  "Bianchi",  "Novák",    "Kowalski", "Nowak",  "Jensen", "Hansen",   "O'Brien",
    "Murphy", "Kelly",    "Øster",    "Åberg",    "Çelik",  "Yılmaz", "Nguyen",   "Tanaka",
    "Suzuki", "Kim",      "Lee",      "Park",     "Silva",  "Santos", "Ferreira", "Pereira",
    "Costa",  "de Vries", "Jansen",   "Bakker",   "Visser",
};
constexpr const char* kFirstNames[] = {
    "Ann",  "John",   "Mary", "James", "Élodie", "Zoë",       "Søren", "Anaïs",  "José", "María",
    "Luca", "Giulia", "Jan",  "Eva",   "Piotr",  "Agnieszka", "Liam",  "Emma",   "Noah", "Olivia",
    "Hiro", "Yuki",   "Minh", "Ana",   "Pedro",  "Ines",      "Lars",  "Ingrid", "Oğuz", "Ayşe",
};
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

// A simple full derivation for synthetic data: age as at a fixed day.
void fillDates(RecordBuffer& b, Date dob, Date asAt) {
    b.setDate(bir::DOB, dob);
    b.setDate(bir::ASAT, asAt);
    if (dob == kNoDate) return;
    const auto d = toYearMonthDay(dob);
    const auto a = toYearMonthDay(asAt);
    int age = a.year - d.year;
    if (a.month < d.month || (a.month == d.month && a.day < d.day)) --age;
    b.setNumber(bir::AGE, age);
    b.setNumber(bir::MONTHTAG, d.month);
    b.setNumber(bir::DAYBORN, d.day);
    b.setText(bir::MONTHBORN, kMonths[d.month - 1]);
    char text[32];
    std::snprintf(text, sizeof text, "%2d  %s", d.day, kMonths[d.month - 1]);
    b.setText(bir::DAYANDMONTHBORN, text);
}

}  // namespace

bool generatePeople(const std::filesystem::path& folder, int count, std::uint32_t seed) {
    std::filesystem::create_directories(folder);
    ErrorManager errors;
    FileAccessSet files(errors, folder);
    FileAccessManager& people = files.birthdays();
    if (!people.open() || !people.beginTransaction()) return false;
    std::mt19937 rng(seed);
    auto pick = [&rng](auto& list) { return list[rng() % std::size(list)]; };
    const Date asAt = composeDate(1, 1, 2026);
    RecordBuffer& b = people.buffer();
    for (int i = 0; i < count; ++i) {
        b.clear();
        const std::string last = pick(kLastNames);
        const std::string first = rng() % 50 == 0 ? "" : pick(kFirstNames);
        b.setText(bir::LASTNAME, last);
        b.setText(bir::FIRSTNAME, first);
        b.setText(bir::CLIPNAME, first.empty() ? last : last + ", " + first);
        b.setText(bir::CLIPNAME2, first.empty() ? last : first + " " + last);
        b.setText(bir::ADD1, first + " " + last);
        b.setText(bir::ADD2, std::to_string(1 + rng() % 200) + " High Street");
        b.setText(bir::POSTCODE, std::to_string(10000 + rng() % 89999));
        if (rng() % 3 != 0)
            b.setText(bir::HOMEPHONE, "0" + std::to_string(100000000 + rng() % 899999999));
        const Date dob =
            rng() % 20 == 0 ? kNoDate : composeDate(1, 1 + static_cast<int>(rng() % 36524), 1920);
        fillDates(b, dob, asAt);
        b.setNumber(bir::SKIPPRINTBIRTH, rng() % 40 == 0 ? 1 : 0);
        if (!people.insert()) {
            people.rollbackTransaction();
            return false;
        }
    }
    const bool ok = people.commitTransaction();
    people.close();
    return ok;
}

std::filesystem::path benchmarkFolder() {
    const char* env = std::getenv("NATALIX_BENCH_PEOPLE");
    const int people = env != nullptr ? std::atoi(env) : 100000;
    const auto folder =
        std::filesystem::temp_directory_path() / ("natalix-bench-" + std::to_string(people));
    if (!std::filesystem::exists(folder / "BDAY.tps")) {
        std::filesystem::remove_all(folder);
        if (!generatePeople(folder, people)) std::abort();
    }
    return folder;
}

}  // namespace ntx::bench
