#pragma once
// The Birthday file "BDAY.tps": one record per person.

#include "platform/RecordLayout.h"

namespace ntx {

// Field numbers of the Birthday record, in record order, named as the fields.
namespace bir {
enum Field : int {
    LASTNAME,
    SECONDNAME,
    FIRSTNAME,
    NICKNAME,
    CLIPNAME,
    CLIPNAME2,
    MAIDENNAME,
    DOB,
    STAR,
    AGE,
    ASAT,
    MONTHTAG,
    DAYBORN,
    MONTHBORN,
    DAYANDMONTHBORN,
    TIMEBORN,
    PLACEBORN,
    NOTES,
    UPDATEAGE,
    SKIPPRINTBIRTH,
    ADD1,
    ADD2,
    ADD3,
    ADD4,
    ADD5,
    STATECODE,
    POSTCODE,
    HOMEPHONE,
    WORKPHONE,
    MOBILEPHONE,
    FAX,
    EMAIL,
    EMAIL2,
    PHOTOIMAGEPATH,
    PHOTOIMAGEPATH2,
    SPARELONG1,
    SPARELONG2,
    SPAREBYTE1,
    SPAREBYTE2,
    SPAREBYTE3,
    SPAREBYTE4,
    SPAREBYTE5,
    SPARESTRG1,
    SPARESTRG2,
    SPARESTRG3,
    SPARESTRG4,
    SPARESTRG5,
    SPARESTRG6,
    SPAREDATE1,
    SPAREDATE2,
    SPAREDATE3,
    SPAREDECIMAL,
    SPARECSTRG1,
    SPARECSTRG2,
};
}  // namespace bir

// Keys of the Birthday file, in declaration order.
namespace birkey {
enum Key : int { NameKey, DateKey, ByAgeKey, MonthKey, BirthdayMonthKey };
}  // namespace birkey

[[nodiscard]] const FileDef& birthdayFile();

}  // namespace ntx
