#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/code_page.h"
#include "files/date_time.h"
#include "files/regatta_record.h"

namespace wg {

// A text for HTML content or attribute values: & < > " ' escaped, control
// characters shown as "?", so nothing from a file can make markup.
std::string htmlText(std::string_view text);

// A file name as a relative link: every byte outside the unreserved
// characters percent-encoded (after conversion to UTF-8).
std::string urlOfFileName(std::string_view name);

// One CSV field: quoted, with quotes doubled, when it holds ";", a quote, a
// line end or a blank at either end. A text that a spreadsheet would take
// for a formula (= + - @ TAB or CR first, other than a negative number such
// as "-0,5") gets an apostrophe in front.
std::string csvText(std::string_view text);

// "14.06.2008 17:00:00" from the components of a finish crossing or event
// line (two-digit year); "" when a component lies outside its range.
std::string dateTimeText(const FinishTime& time);
// "14.06.2008 09:30" for a regatta start or end.
std::string regattaTimeText(const TimeOfRegatta& time);

// "54 min 40 sek": the evaluation's duration text without its padding.
std::string shortDuration(double seconds);

} // namespace wg
