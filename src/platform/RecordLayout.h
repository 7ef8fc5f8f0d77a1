#pragma once
// The layout of a record file: its fields with types, offsets and sizes, its memo and
// its keys. A layout is static data; data/BirthdayFile and data/ReminderFile define the two.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ntx {

class RecordBuffer;

enum class FieldType { String, CString, Byte, Short, Long, Decimal, DateValue, TimeValue };

struct FieldDef {
    std::string_view name;  // without the file prefix: "LASTNAME"
    FieldType type;
    int offset;      // byte offset within the record
    int size;        // bytes; for STRING(n) and CSTRING(n) this is n
    int digits = 0;  // DECIMAL(digits, scale)
    int scale = 0;

    [[nodiscard]] bool isText() const {
        return type == FieldType::String || type == FieldType::CString;
    }
    // Characters a text field holds: n for STRING(n), n-1 for CSTRING(n).
    [[nodiscard]] int capacity() const { return type == FieldType::CString ? size - 1 : size; }
};

struct KeyComponent {
    int field;  // index into the layout's fields
    bool descending = false;
};

// Every key of these files allows duplicates, ignores case and leaves out records whose
// key fields are all blank or zero.
struct KeyDef {
    std::string_view name;  // without the file prefix: "NameKey"
    std::span<const KeyComponent> components;
};

// A refusal of the record validation: the error manager's "Range Error" fields.
struct ValidationFailure {
    std::string field;    // "REM:MonthTag2"
    std::string message;  // "1 .. 12"
};

struct FileDef {
    std::string_view label;     // "BDAY"; also the table name in the store
    std::string_view prefix;    // "BIR"
    std::string_view fileName;  // "BDAY.tps"
    int recordLength;           // bytes, as the layout table adds up
    std::span<const FieldDef> fields;
    std::string_view memoName;  // "NOTESBIG"; its capacity is kMemoCapacity characters
    std::span<const KeyDef> keys;
    std::string_view ownerPassword;  // empty: the file has none
    // Validation run before every insert and update; null when the file has none.
    std::optional<ValidationFailure> (*validate)(const RecordBuffer&) = nullptr;

    // Index of a field named with or without the prefix, in any case; -1 when unknown.
    [[nodiscard]] int fieldIndex(std::string_view name) const;
    // True when `name` is the memo, with or without the prefix, in any case.
    [[nodiscard]] bool isMemoName(std::string_view name) const;
    // Index of a key named with or without the prefix, in any case; -1 when unknown.
    [[nodiscard]] int keyIndex(std::string_view name) const;
    // "BIR:LASTNAME"
    [[nodiscard]] std::string qualifiedName(int field) const;
};

inline constexpr int kMemoCapacity = 2000;

// Bytes a field of this type takes in the record, as the layout tables state them.
[[nodiscard]] int storageSize(FieldType type, int declaredSize, int digits);

// Case-insensitive ASCII comparison of names.
[[nodiscard]] bool sameName(std::string_view a, std::string_view b);

}  // namespace ntx
