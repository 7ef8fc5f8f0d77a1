#pragma once
// Display pictures: how a value is shown in an entry, a list column or a report, and how
// what the user types into an entry is read. Pictures are written as the window and report
// descriptions write them:
//
//   "s22", "S30"   text of up to 22 (30) characters
//   "N3", "N3B"    a whole number of up to 3 digits; "B": blank when 0
//   "D4"           a date with the month written out: «October 31, 1959»
//   "D17", "D017"  the system's short date; "0": day and month always with two digits
//   "D18"          the system's long date
//   "T3"           hours and minutes on the twelve-hour clock with AM or PM: «5:30PM»
//   "T7"           hours and minutes as the user's locale writes them
//   "pPage <<<#p"  a page number: the text around it, the number right-aligned in as many
//                  places as there are "<" and "#"
//
// A leading "@" is allowed; "B" after a date or time picture blanks the value 0 as well,
// and a "-" after a time picture's number is accepted and changes nothing.

#include <optional>
#include <string>
#include <string_view>

#include "platform/RecordBuffer.h"

namespace ntx {

enum class PictureKind { Text, Number, DateValue, TimeValue, PageNumber };

struct Picture {
    PictureKind kind = PictureKind::Text;
    int size = 0;  // Text: characters; Number: digits; Date, Time: the style (4, 17, 18; 3, 7);
                   // PageNumber: places
    bool blankWhenZero = false;
    bool zeroPadded = false;  // dates written with a leading "0" in the style
    std::string prefix;       // PageNumber: the text before and after the number
    std::string suffix;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Reads a picture; nothing for one this program does not know ("D99", "x5", "N3Q").
[[nodiscard]] std::optional<Picture> parsePicture(std::string_view picture);

// Typed entry without the blanks and tabs around it.
[[nodiscard]] std::string_view trimEntry(std::string_view typed);

// The value of a run of decimal digits (at most nine).
[[nodiscard]] int digitsValue(std::string_view digits);

// What was read from an entry: the value (text for a text picture, a number, date or time
// otherwise), or why the entry was refused. A refused entry leaves the field as it was.
struct EntryResult {
    FieldValue value;
    std::string error;  // the message for the user; empty when the entry was read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

}  // namespace ntx
