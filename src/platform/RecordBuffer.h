#pragma once
// A thread's record buffer of one record file: one typed value per field plus the memo.
//
// Text fields hold Unicode text of at most their width in characters, kept without
// trailing blanks; longer text is cut. Numbers are kept within their type's range (a
// DECIMAL holds its value scaled by 10^scale). Reading a record fills the buffer and
// remembers the record's position and its values as read, so that an update can tell
// whether someone else changed the record meanwhile.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dates.h"
#include "platform/RecordLayout.h"

namespace ntx {

struct FieldValue {
    std::string text;
    std::int64_t number = 0;
    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

struct RecordValues {
    std::vector<FieldValue> fields;
    std::string memo;
    friend bool operator==(const RecordValues&, const RecordValues&) = default;
};

class RecordBuffer {
  public:
    explicit RecordBuffer(const FileDef& def);

    [[nodiscard]] const FileDef& def() const { return *def_; }

    // Clears every field (blank or zero) and the memo, and forgets the record last read.
    void clear();

    [[nodiscard]] const std::string& text(int field) const { return values_.fields[field].text; }
    void setText(int field, std::string_view value);

    [[nodiscard]] std::int64_t number(int field) const { return values_.fields[field].number; }
    void setNumber(int field, std::int64_t value);

    [[nodiscard]] Date date(int field) const { return static_cast<Date>(number(field)); }
    void setDate(int field, Date value) { setNumber(field, value); }

    [[nodiscard]] const std::string& memo() const { return values_.memo; }
    void setMemo(std::string_view value);

    [[nodiscard]] const RecordValues& values() const { return values_; }
    // Replaces all values, applying the field rules to each.
    void setValues(const RecordValues& values);

    // Position of the record last read or written (0 = none) and its values at that time.
    [[nodiscard]] std::int64_t position() const { return position_; }
    [[nodiscard]] const RecordValues& valuesAsRead() const { return asRead_; }
    // Called by the store after a write: the buffer now stands for the record written.
    void markStored(std::int64_t position);
    // Called by the store after a read: takes the record's values as they are in the file.
    void loadStored(const RecordValues& stored, std::int64_t position);
    void forgetPosition();

  private:
    const FileDef* def_;
    RecordValues values_;
    RecordValues asRead_;
    std::int64_t position_ = 0;
};

// The range of values a numeric field holds.
[[nodiscard]] std::int64_t minimumOf(const FieldDef& f);
[[nodiscard]] std::int64_t maximumOf(const FieldDef& f);

}  // namespace ntx
