#include "data/ReminderFile.h"

#include "platform/RecordBuffer.h"

namespace ntx {
namespace {

constexpr FieldDef kFields[] = {
    {"DESCRIPTION", FieldType::String, 0, 45},     {"DATE", FieldType::DateValue, 45, 4},
    {"THETIME", FieldType::TimeValue, 49, 4},      {"MONTHIS", FieldType::String, 53, 10},
    {"MONTHTAG2", FieldType::Short, 63, 2},        {"COMMENT", FieldType::String, 65, 45},
    {"EXCLUDEFROMPRINT", FieldType::Byte, 110, 1}, {"PHOTOIMAGEPATH", FieldType::CString, 111, 128},
    {"TIMEYN", FieldType::Byte, 239, 1},           {"SPAREBYTE1", FieldType::Byte, 240, 1},
    {"SPAREBYTE2", FieldType::Byte, 241, 1},       {"SPAREBYTE3", FieldType::Byte, 242, 1},
    {"SPAREBYTE4", FieldType::Byte, 243, 1},       {"SPAREBYTE5", FieldType::Byte, 244, 1},
    {"SPARESTRG1", FieldType::String, 245, 20},    {"SPARESTRG2", FieldType::String, 265, 25},
    {"SPARESTRG3", FieldType::String, 290, 35},    {"SPARESTRG4", FieldType::String, 325, 45},
    {"SPARESTRG5", FieldType::String, 370, 100},   {"SPARELONG1", FieldType::Long, 470, 4},
    {"SPARELONG2", FieldType::Long, 474, 4},       {"SPARELONG3", FieldType::Long, 478, 4},
    {"SPARECSTRG1", FieldType::CString, 482, 20},  {"SPARECSTRG2", FieldType::CString, 502, 30},
    {"SPARECSTRG3", FieldType::CString, 532, 45},  {"SPAREDATE1", FieldType::Long, 577, 4},
    {"SPAREDATE2", FieldType::Long, 581, 4},       {"SPAREDATE3", FieldType::Long, 585, 4},
    {"SPARETIME", FieldType::TimeValue, 589, 4},
};

constexpr KeyComponent kDescription[] = {{rem::DESCRIPTION}};
constexpr KeyComponent kMonth[] = {{rem::MONTHTAG2}, {rem::DATE}};
constexpr KeyComponent kDate[] = {{rem::DATE}};

constexpr KeyDef kKeys[] = {
    {"DescriptionKey", kDescription}, {"MonthKey", kMonth}, {"DateKey", kDate}};

}  // namespace

std::optional<ValidationFailure> validateReminder(const RecordBuffer& record) {
    const auto month = record.number(rem::MONTHTAG2);
    if (month >= 1 && month <= 12) return std::nullopt;
    return ValidationFailure{"REM:MonthTag2", "1 .. 12"};
}

const FileDef& reminderFile() {
    static const FileDef def{"REMS", "REM", "REMS.tps",      593, kFields, "NOTES",
                             kKeys,  {},    validateReminder};
    return def;
}

}  // namespace ntx
