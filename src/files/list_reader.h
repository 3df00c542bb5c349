#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wg {

// One record of a list: a row of the spreadsheet, which runs over several
// lines of the file where a quoted field holds line breaks.
struct ListRecord {
    std::size_t line = 0;             // the line of the file it starts on, the first line being 1
    std::vector<std::string> fields;  // code page 1252, quotes taken off, blanks at either end dropped
    std::string unreadable;           // German, "Zeile 7: …", when it cannot be read; then no fields
};

// A list another program wrote, as a results program exports it or a
// spreadsheet saves it: a header line naming the columns, then the records.
struct ListTable {
    char separator = ';';             // ';', ',' or '\t'
    std::vector<std::string> titles;  // the header: the first record that holds any text
    std::vector<ListRecord> records;  // those after it in file order; records without any text left out

    // The first column whose title is one of `titles`, compared in any case
    // and without blanks, dots and hyphens ("Segel-Nr." is "segelnr",
    // "Sail No" is "SailNo"); -1 when there is none.
    long column(std::span<const char* const> titles) const;
};

// The field of `record` in `column`; empty where it has none (a short
// record, an unreadable one, or the column -1).
std::string_view fieldOf(const ListRecord& record, long column);

// Reads a list's bytes, whatever the program that wrote them:
// - decoded first: by byte order mark UTF-8, UTF-16 LE or UTF-16 BE;
//   without one UTF-8 when the bytes are valid UTF-8, else code page 1252;
// - the separator is ';', ',' or tab, whichever the header uses most
//   outside quotes (';' before tab before ',' when as often);
// - a record ends at a line end (CR LF, LF or CR) outside quotes; a quote
//   opens a quoted field only where the field begins (after blanks), and
//   that field may hold separators, line breaks and doubled quotes; a
//   quote anywhere else is a character (an inch mark: `J 24"`); what follows
//   the closing quote up to the separator is kept too;
// - a quote that is never closed makes its record unreadable, and reading
//   goes on with the next line as a fresh record;
// - empty lines and records with no text in any field are left out; the
//   last line needs no line end.
// The time spent is linear in the size, whatever the bytes.
ListTable readList(std::string_view bytes);

// „Yacht-ID“, „Segelnummer“ oder „Sail No“: the titles a column is looked
// for under, as the message about a missing column names them.
std::string titleListText(std::span<const char* const> titles);

// „DNF“: a value of a list as the message about its line names it, cut to
// the length such a message can show.
std::string quotedListValue(std::string_view value);

} // namespace wg
