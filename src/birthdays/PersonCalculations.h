#pragma once
// The values derived from a person's date of birth and names: completed years, the age in
// years and months as at today, the zodiac sign, the month and day of birth, the two name
// forms and the default address name.
//
// Pure functions of their arguments: the record functions read and change only the fields
// they name on the Birthday record buffer they are given.

#include <string>
#include <string_view>

#include "platform/Dates.h"
#include "platform/RecordBuffer.h"

namespace ntx {

// "January" to "December" for 1 to 12; empty for any other number.
[[nodiscard]] std::string_view monthName(int month);

// Completed years on `asAt` of a person born on `dob`: the age goes up on the birthday
// itself, and for someone born on 29 February on 1 March in a common year. Negative when
// asAt lies before dob; 0 when either date is not a valid date.
[[nodiscard]] int completedYears(Date dob, Date asAt);

// The age on `today` in years and months: «30 years 9 months», «31 years » (whole years end
// with a blank), « 5 months» (under a year begins with one), « » in the month of birth.
// A month counts once today's day reaches the day of this year's birthday (1 March for a
// 29 February birthday in a common year); on the last days of a month the plain day
// comparison applies, so no month is lost. Empty when dob lies after today or either
// date is not a valid date.
[[nodiscard]] std::string ageText(Date dob, Date today);

// The zodiac sign of the day and month of `dob`; empty for a date that is not valid.
[[nodiscard]] std::string_view zodiacSign(Date dob);

// Sets BIR:AGE, BIR:MONTHBORN, BIR:DAYBORN, BIR:DAYANDMONTHBORN, BIR:MONTHTAG and BIR:STAR
// from BIR:DOB and BIR:ASAT. Without both dates, all six are cleared (the month, day and
// sign too, although they depend on the date of birth alone).
void deriveBirthdayFields(RecordBuffer& person);

// Sets BIR:AGE to 0 and changes nothing else when either date is missing; otherwise
// derives all six fields as deriveBirthdayFields does.
void recalculateAge(RecordBuffer& person);

// Sets BIR:CLIPNAME («Smith, John») and BIR:CLIPNAME2 («John Smith») from the last and
// first names; with one part empty both are the other part; with both empty both are left
// as they were.
void composeClipNames(RecordBuffer& person);

// Fills an empty BIR:ADD1 with the first name, a blank and the last name (« Smith» when
// the first name is empty); a non-empty address name is never changed.
void defaultAddressName(RecordBuffer& person);

}  // namespace ntx
