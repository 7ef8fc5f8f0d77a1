#pragma once
// The Reminder file "REMS.tps": one record per dated reminder.

#include <optional>

#include "platform/RecordLayout.h"

namespace ntx {

// Field numbers of the Reminder record, in record order, named as the fields.
namespace rem {
enum Field : int {
    DESCRIPTION,
    DATE,
    THETIME,
    MONTHIS,
    MONTHTAG2,
    COMMENT,
    EXCLUDEFROMPRINT,
    PHOTOIMAGEPATH,
    TIMEYN,
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
    SPARELONG1,
    SPARELONG2,
    SPARELONG3,
    SPARECSTRG1,
    SPARECSTRG2,
    SPARECSTRG3,
    SPAREDATE1,
    SPAREDATE2,
    SPAREDATE3,
    SPARETIME,
};
}  // namespace rem

// Keys of the Reminder file, in declaration order.
namespace remkey {
enum Key : int { DescriptionKey, MonthKey, DateKey };
}  // namespace remkey

[[nodiscard]] const FileDef& reminderFile();

// The Reminder file's validation: the month tag must lie between 1 and 12.
[[nodiscard]] std::optional<ValidationFailure> validateReminder(const RecordBuffer& record);

}  // namespace ntx
