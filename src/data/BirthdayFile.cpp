#include "data/BirthdayFile.h"

namespace ntx {
namespace {

constexpr FieldDef kFields[] = {
    {"LASTNAME", FieldType::String, 0, 25},
    {"SECONDNAME", FieldType::String, 25, 25},
    {"FIRSTNAME", FieldType::String, 50, 25},
    {"NICKNAME", FieldType::String, 75, 25},
    {"CLIPNAME", FieldType::String, 100, 55},
    {"CLIPNAME2", FieldType::String, 155, 55},
    {"MAIDENNAME", FieldType::String, 210, 22},
    {"DOB", FieldType::DateValue, 232, 4},
    {"STAR", FieldType::String, 236, 12},
    {"AGE", FieldType::Decimal, 248, 2, 3, 0},
    {"ASAT", FieldType::DateValue, 250, 4},
    {"MONTHTAG", FieldType::Short, 254, 2},
    {"DAYBORN", FieldType::Short, 256, 2},
    {"MONTHBORN", FieldType::String, 258, 10},
    {"DAYANDMONTHBORN", FieldType::String, 268, 15},
    {"TIMEBORN", FieldType::TimeValue, 283, 4},
    {"PLACEBORN", FieldType::String, 287, 65},
    {"NOTES", FieldType::String, 352, 45},
    {"UPDATEAGE", FieldType::Byte, 397, 1},
    {"SKIPPRINTBIRTH", FieldType::Byte, 398, 1},
    {"ADD1", FieldType::String, 399, 55},
    {"ADD2", FieldType::String, 454, 30},
    {"ADD3", FieldType::String, 484, 30},
    {"ADD4", FieldType::String, 514, 30},
    {"ADD5", FieldType::String, 544, 30},
    {"STATECODE", FieldType::String, 574, 5},
    {"POSTCODE", FieldType::String, 579, 10},
    {"HOMEPHONE", FieldType::String, 589, 25},
    {"WORKPHONE", FieldType::String, 614, 25},
    {"MOBILEPHONE", FieldType::String, 639, 25},
    {"FAX", FieldType::String, 664, 25},
    {"EMAIL", FieldType::String, 689, 55},
    {"EMAIL2", FieldType::String, 744, 55},
    {"PHOTOIMAGEPATH", FieldType::CString, 799, 128},
    {"PHOTOIMAGEPATH2", FieldType::CString, 927, 128},
    {"SPARELONG1", FieldType::Long, 1055, 4},
    {"SPARELONG2", FieldType::Long, 1059, 4},
    {"SPAREBYTE1", FieldType::Byte, 1063, 1},
    {"SPAREBYTE2", FieldType::Byte, 1064, 1},
    {"SPAREBYTE3", FieldType::Byte, 1065, 1},
    {"SPAREBYTE4", FieldType::Byte, 1066, 1},
    {"SPAREBYTE5", FieldType::Byte, 1067, 1},
    {"SPARESTRG1", FieldType::String, 1068, 20},
    {"SPARESTRG2", FieldType::String, 1088, 25},
    {"SPARESTRG3", FieldType::String, 1113, 30},
    {"SPARESTRG4", FieldType::String, 1143, 40},
    {"SPARESTRG5", FieldType::String, 1183, 60},
    {"SPARESTRG6", FieldType::String, 1243, 100},
    {"SPAREDATE1", FieldType::Long, 1343, 4},
    {"SPAREDATE2", FieldType::Long, 1347, 4},
    {"SPAREDATE3", FieldType::Long, 1351, 4},
    {"SPAREDECIMAL", FieldType::Decimal, 1355, 4, 7, 2},
    {"SPARECSTRG1", FieldType::CString, 1359, 20},
    {"SPARECSTRG2", FieldType::CString, 1379, 30},
};

constexpr KeyComponent kName[] = {{bir::LASTNAME}, {bir::FIRSTNAME}};
constexpr KeyComponent kDate[] = {{bir::DOB}};
constexpr KeyComponent kByAge[] = {{bir::AGE}};
constexpr KeyComponent kMonth[] = {{bir::MONTHTAG}, {bir::AGE, true}};
constexpr KeyComponent kBirthdayMonth[] = {{bir::MONTHTAG}, {bir::DAYBORN}};

constexpr KeyDef kKeys[] = {
    {"NameKey", kName},
    {"DateKey", kDate},
    {"ByAgeKey", kByAge},
    {"MonthKey", kMonth},
    {"BirthdayMonthKey", kBirthdayMonth},
};

// The file's owner password: five letters, built into the program.
constexpr const char* kOwnerPassword = "Natal";

}  // namespace

const FileDef& birthdayFile() {
    static const FileDef def{"BDAY",  "BIR",      "BDAY.tps", 1409,
                             kFields, "NOTESBIG", kKeys,      kOwnerPassword};
    return def;
}

}  // namespace ntx
