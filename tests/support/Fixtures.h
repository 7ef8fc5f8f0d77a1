#pragma once
// Small files that show the keys and filters at work, and a way to list what a view reads.

#include <string>
#include <vector>

#include "platform/View.h"
#include "support/StoreFixture.h"

namespace ntx::test {

// Eight people: mixed case and accents in names, a person without a date of birth, one with
// both names blank, an infant of age 0, and flags for the report filters.
inline void addPeople(StoreFixture& s) {
    s.addPerson({"smith", "Ann", ymd(1980, 3, 15), 30, 1, 0, "555-1234"});
    s.addPerson({"Élodie", "Y", ymd(1985, 5, 5), 25});
    s.addPerson({"Nobody", "Nodate", kNoDate, 0});
    s.addPerson({"", "", ymd(2000, 5, 5), 10});
    s.addPerson({"Smith", "bob", ymd(1975, 11, 2), 35, 0, 0, "", "   "});
    s.addPerson({"élodie", "X", ymd(1990, 1, 20), 20});
    s.addPerson({"Baby", "New", ymd(2010, 5, 20), 0});
    s.addPerson({"Zed", "Adam", ymd(1960, 5, 30), 50, 0, 1, "", "zed@example.org"});
}

inline void addReminders(StoreFixture& s) {
    s.addReminder("Dentist", ymd(2026, 4, 3));
    s.addReminder("tax return", ymd(2025, 4, 30), 1);
    s.addReminder("Party", ymd(2026, 12, 24));
    s.addReminder("Car service", ymd(2024, 1, 10));
}

// "last/first" of a person, or the reminder's description.
inline std::string label(const RecordBuffer& b) {
    if (&b.def() == &reminderFile()) return b.text(rem::DESCRIPTION);
    return b.text(bir::LASTNAME) + "/" + b.text(bir::FIRSTNAME);
}

// Every record the view delivers, forward or backward.
inline std::vector<std::string> readAll(View& v, FileAccessManager& file, bool backward = false) {
    std::vector<std::string> out;
    while (backward ? v.previous() : v.next()) out.push_back(label(file.buffer()));
    return out;
}

}  // namespace ntx::test
