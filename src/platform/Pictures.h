#pragma once
// Showing a field's value through its picture and reading what the user typed into an
// entry with a picture, for every kind of picture (see Picture.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DatePicture.h"
#include "platform/LocaleConventions.h"
#include "platform/Picture.h"
#include "platform/RecordBuffer.h"
#include "platform/TimePicture.h"

namespace ntx {

// Text cut to the picture's width in characters.
[[nodiscard]] std::string formatText(const Picture& picture, std::string_view text);

// A whole number in plain decimal; empty for 0 when the picture says "B". A number wider
// than the picture is shown in full rather than cut.
[[nodiscard]] std::string formatNumber(const Picture& picture, std::int64_t number);

// The page number picture: its text with the number right-aligned in its places.
[[nodiscard]] std::string formatPageNumber(const Picture& picture, std::int64_t page);

// The value shown through any picture: the text of a text picture, the number of the others.
[[nodiscard]] std::string formatValue(const Picture& picture, const FieldValue& value,
                                      const LocaleConventions& locale);

// Reads a typed whole number of at most the picture's digits; blank entry gives 0.
[[nodiscard]] EntryResult parseNumberEntry(const Picture& picture, std::string_view typed);

// Reads typed entry through any picture. Text is taken as typed, cut to the picture's
// width.
[[nodiscard]] EntryResult readEntry(const Picture& picture, std::string_view typed,
                                    const LocaleConventions& locale);

}  // namespace ntx
