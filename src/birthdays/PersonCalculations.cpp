#include "birthdays/PersonCalculations.h"

#include "data/BirthdayFile.h"
#include "platform/LocaleConventions.h"
#include "platform/Text.h"

namespace ntx {
namespace {

// The last day of each month that still belongs to the sign the month begins in, with
// that sign and the next one.
struct SignSplit {
    int lastDay;
    std::string_view early;
    std::string_view late;
};

constexpr SignSplit kSigns[12] = {
    {20, "Capricorn", "Aquarius"}, {19, "Aquarius", "Pisces"},     {20, "Pisces", "Aries"},
    {20, "Aries", "Taurus"},       {21, "Taurus", "Gemini"},       {21, "Gemini", "Cancer"},
    {23, "Cancer", "Leo"},         {23, "Leo", "Virgo"},           {23, "Virgo", "Libra"},
    {23, "Libra", "Scorpio"},      {22, "Scorpio", "Sagittarius"}, {22, "Sagittarius", "Capricorn"},
};

std::string countText(int n, std::string_view one, std::string_view many) {
    if (n == 0) return {};
    return std::to_string(n) + std::string(n == 1 ? one : many);
}

bool hasDate(Date d) {
    return isValidDate(d);
}

}  // namespace

std::string_view monthName(int month) {
    if (month < 1 || month > 12) return {};
    return englishMonthNames()[static_cast<std::size_t>(month - 1)];
}

int completedYears(Date dob, Date asAt) {
    if (!hasDate(dob) || !hasDate(asAt)) return 0;
    const YearMonthDay born = toYearMonthDay(dob);
    const YearMonthDay at = toYearMonthDay(asAt);
    int years = at.year - born.year;
    if (at.month < born.month || (at.month == born.month && at.day < born.day)) --years;
    return years;
}

std::string ageText(Date dob, Date today) {
    if (!hasDate(dob) || !hasDate(today) || dob > today) return {};
    const YearMonthDay born = toYearMonthDay(dob);
    const YearMonthDay now = toYearMonthDay(today);
    int years = now.year - born.year;
    // This year's birthday, rolled over as composition does (29 February becomes 1 March).
    const YearMonthDay birthday =
        toYearMonthDay(composeDate(born.month, born.day, born.year + years));
    int months = now.month - birthday.month;
    if (months < 0) {
        --years;
        months += 12;
    }
    if (now.day < birthday.day && --months < 0) {
        --years;
        months += 12;
    }
    return countText(years, " year", " years") + " " + countText(months, " month", " months");
}

std::string_view zodiacSign(Date dob) {
    if (!hasDate(dob)) return {};
    const YearMonthDay d = toYearMonthDay(dob);
    const SignSplit& s = kSigns[d.month - 1];
    return d.day <= s.lastDay ? s.early : s.late;
}

void deriveBirthdayFields(RecordBuffer& person) {
    const Date dob = person.date(bir::DOB);
    const Date asAt = person.date(bir::ASAT);
    if (!hasDate(dob) || !hasDate(asAt)) {
        person.setNumber(bir::AGE, 0);
        person.setText(bir::MONTHBORN, "");
        person.setText(bir::DAYANDMONTHBORN, "");
        person.setNumber(bir::MONTHTAG, 0);
        person.setNumber(bir::DAYBORN, 0);
        person.setText(bir::STAR, "");
        return;
    }
    const YearMonthDay born = toYearMonthDay(dob);
    person.setNumber(bir::AGE, completedYears(dob, asAt));
    person.setText(bir::MONTHBORN, monthName(born.month));
    person.setNumber(bir::DAYBORN, born.day);
    const std::string day =
        born.day < 10 ? "  " + std::to_string(born.day) : std::to_string(born.day);
    person.setText(bir::DAYANDMONTHBORN, day + "  " + std::string(monthName(born.month)));
    person.setNumber(bir::MONTHTAG, born.month);
    person.setText(bir::STAR, zodiacSign(dob));
}

void recalculateAge(RecordBuffer& person) {
    if (!hasDate(person.date(bir::DOB)) || !hasDate(person.date(bir::ASAT))) {
        person.setNumber(bir::AGE, 0);
        return;
    }
    deriveBirthdayFields(person);
}

void composeClipNames(RecordBuffer& person) {
    const std::string last(trimRight(person.text(bir::LASTNAME)));
    const std::string first(trimRight(person.text(bir::FIRSTNAME)));
    if (last.empty() && first.empty()) return;
    if (last.empty() || first.empty()) {
        const std::string& only = last.empty() ? first : last;
        person.setText(bir::CLIPNAME, only);
        person.setText(bir::CLIPNAME2, only);
        return;
    }
    person.setText(bir::CLIPNAME, last + ", " + first);
    person.setText(bir::CLIPNAME2, first + " " + last);
}

void defaultAddressName(RecordBuffer& person) {
    if (!isBlank(person.text(bir::ADD1))) return;
    person.setText(bir::ADD1, std::string(trimRight(person.text(bir::FIRSTNAME))) + " " +
                                  std::string(trimRight(person.text(bir::LASTNAME))));
}

}  // namespace ntx
