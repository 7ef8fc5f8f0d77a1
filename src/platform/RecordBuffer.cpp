#include "platform/RecordBuffer.h"

#include <algorithm>
#include <limits>

#include "platform/Text.h"

namespace ntx {

namespace {

std::int64_t powerOfTen(int n) {
    std::int64_t v = 1;
    while (n-- > 0) v *= 10;
    return v;
}

}  // namespace

std::int64_t maximumOf(const FieldDef& f) {
    switch (f.type) {
        case FieldType::Byte:
            return 255;
        case FieldType::Short:
            return std::numeric_limits<std::int16_t>::max();
        case FieldType::Long:
        case FieldType::DateValue:
        case FieldType::TimeValue:
            return std::numeric_limits<std::int32_t>::max();
        case FieldType::Decimal:
            return powerOfTen(f.digits) - 1;
        default:
            return 0;
    }
}

std::int64_t minimumOf(const FieldDef& f) {
    switch (f.type) {
        case FieldType::Byte:
            return 0;
        case FieldType::Short:
            return std::numeric_limits<std::int16_t>::min();
        case FieldType::Long:
        case FieldType::DateValue:
        case FieldType::TimeValue:
            return std::numeric_limits<std::int32_t>::min();
        case FieldType::Decimal:
            return -(powerOfTen(f.digits) - 1);
        default:
            return 0;
    }
}

RecordBuffer::RecordBuffer(const FileDef& def) : def_(&def) {
    values_.fields.resize(def.fields.size());
}

void RecordBuffer::clear() {
    for (auto& v : values_.fields) v = {};
    values_.memo.clear();
    forgetPosition();
}

void RecordBuffer::setText(int field, std::string_view value) {
    const FieldDef& f = def_->fields[field];
    values_.fields[field].text =
        std::string(trimRight(cutToCharacters(value, static_cast<std::size_t>(f.capacity()))));
}

void RecordBuffer::setNumber(int field, std::int64_t value) {
    const FieldDef& f = def_->fields[field];
    values_.fields[field].number = std::clamp(value, minimumOf(f), maximumOf(f));
}

void RecordBuffer::setMemo(std::string_view value) {
    values_.memo = std::string(cutToCharacters(value, kMemoCapacity));
}

void RecordBuffer::setValues(const RecordValues& values) {
    for (std::size_t i = 0; i < values_.fields.size() && i < values.fields.size(); ++i) {
        const int field = static_cast<int>(i);
        if (def_->fields[i].isText()) {
            setText(field, values.fields[i].text);
        } else {
            setNumber(field, values.fields[i].number);
        }
    }
    setMemo(values.memo);
}

void RecordBuffer::markStored(std::int64_t position) {
    position_ = position;
    asRead_ = values_;
}

void RecordBuffer::loadStored(const RecordValues& stored, std::int64_t position) {
    setValues(stored);
    position_ = position;
    asRead_ = stored;
}

void RecordBuffer::forgetPosition() {
    position_ = 0;
    asRead_ = {};
}

}  // namespace ntx
