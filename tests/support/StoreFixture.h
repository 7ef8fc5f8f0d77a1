#pragma once
// A temporary folder with a recorded message box and a thread whose file set lives there,
// plus small helpers to put people and reminders into the files.

#include <string>

#include "data/BirthdayFile.h"
#include "data/ReminderFile.h"
#include "data/ThreadContext.h"
#include "platform/Dates.h"
#include "support/TempFolder.h"

namespace ntx::test {

struct Person {
    std::string last;
    std::string first;
    Date dob = kNoDate;
    int age = 0;
    int skipPrint = 0;
    int updateAge = 0;
    std::string homePhone;
    std::string email;
};

class StoreFixture {
  public:
    StoreFixture() : threads(&messages, folder.path()), thread(threads.start()) {
        thread.setUpFiles(folder.path());
    }

    FileAccessManager& people() { return thread.files().birthdays(); }
    FileAccessManager& reminders() { return thread.files().reminders(); }

    // Inserts a person; month and day fields follow the date of birth.
    void addPerson(const Person& p) {
        RecordBuffer& b = people().buffer();
        b.clear();
        b.setText(bir::LASTNAME, p.last);
        b.setText(bir::FIRSTNAME, p.first);
        b.setDate(bir::DOB, p.dob);
        b.setNumber(bir::AGE, p.age);
        b.setNumber(bir::MONTHTAG, monthOf(p.dob));
        b.setNumber(bir::DAYBORN, dayOf(p.dob));
        b.setNumber(bir::SKIPPRINTBIRTH, p.skipPrint);
        b.setNumber(bir::UPDATEAGE, p.updateAge);
        b.setText(bir::HOMEPHONE, p.homePhone);
        b.setText(bir::EMAIL, p.email);
        if (!people().insert()) throw std::runtime_error("insert failed: " + p.last);
    }

    void addReminder(const std::string& description, Date date, int exclude = 0) {
        RecordBuffer& b = reminders().buffer();
        b.clear();
        b.setText(rem::DESCRIPTION, description);
        b.setDate(rem::DATE, date);
        b.setNumber(rem::MONTHTAG2, monthOf(date));
        b.setNumber(rem::EXCLUDEFROMPRINT, exclude);
        if (!reminders().insert()) throw std::runtime_error("insert failed: " + description);
    }

    TempFolder folder;
    RecordedMessages messages;
    ThreadRegistry threads;
    ThreadContext& thread;
};

inline Date ymd(int y, int m, int d) {
    return composeDate(m, d, y);
}

}  // namespace ntx::test
