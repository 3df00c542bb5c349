#pragma once
#include <cstdint>
#include <string>

#include "files/regatta_record.h"

namespace wg {

// Which component of the date-time record a typed value stands for.
enum class FieldKind : std::int32_t { Hour = 0, Minute = 1, Second = 2, Day = 3, Month = 4, Year = 5 };

// Result of the range check: the value lies outside its kind's range.
inline constexpr std::uint8_t kRangeError = 134;

// The date-time record field that holds a value of `kind`; nullptr for a
// kind outside 0 to 5.
std::int32_t* scratchField(DateTimeRecord& record, FieldKind kind);

// 0 when the value held for `kind` in the regatta record's date-time record
// lies in its range, else kRangeError. A kind outside 0 to 5 gives 0.
std::uint8_t rangeCheck(const RegattaRecord& regatta, FieldKind kind);

// What the dialogs tell the user when a value of `kind` is refused, and the
// value that then takes its place. Empty text and 0 for unknown kinds.
const char* rangeMessage(FieldKind kind);
std::int32_t replacementValue(FieldKind kind);

// "07" for 7, "12" for 12: a zero in front of values below 10.
std::string twoDigitText(std::int32_t value);

// Rewrites the ten regatta time texts from the start and end time. Each text
// keeps at most two characters, the width the logger's command has for it.
void formatRegattaTimeTexts(RegattaRecord& regatta);

} // namespace wg
