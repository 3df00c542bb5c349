#include <gtest/gtest.h>

#include "files/list_reader.h"

namespace wg {
namespace {

// The bytes a program writes for `text` in UTF-16 with its byte order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// What was read: the separator ("TAB" for a tab), the titles and " / " before each record ("line: a|b") or why not.
std::string shown(const ListTable& table) {
    const auto joined = [](const std::vector<std::string>& fields) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "|" : "") + fields[i];
        return text;
    };
    std::string text = (table.separator == '\t' ? std::string("TAB") : std::string(1, table.separator)) + " " +
                       joined(table.titles);
    for (const ListRecord& r : table.records)
        text += " / " + (r.unreadable.empty() ? std::to_string(r.line) + ": " + joined(r.fields) : r.unreadable);
    return text;
}

TEST(ListReader, RecordsOverQuotesSeparatorsLineEndsAndEncodings) {
    struct Case { const char* what; std::string bytes, read; };
    const Case cases[] = {
        // The categories of a public CSV test corpus.
        {"a comma in quotes", "a,b,c\n1,\"x, y\",3\n", ", a|b|c / 2: 1|x, y|3"},
        {"doubled quotes", "a,b\n1,\"ha \"\"ha\"\" ha\"\n", ", a|b / 2: 1|ha \"ha\" ha"},
        {"line breaks in quotes", "a,b,c\n1,2,3\n\"Once upon \na time\",5,6\n7,8,9\n",
         ", a|b|c / 2: 1|2|3 / 3: Once upon \na time|5|6 / 5: 7|8|9"},
        {"CR LF, also inside quotes; a lone CR", "a,b\r\n\"x\r\ny\",2\r\n3,4\r5,6\r\n", ", a|b / 2: x\r\ny|2 / 4: 3|4 / 5: 5|6"},
        {"empty quoted fields", "a,b,c\n1,\"\",\"\"\n2,3,4\n", ", a|b|c / 2: 1|| / 3: 2|3|4"},
        {"no final line end", "a,b\n1,2", ", a|b / 2: 1|2"},
        {"UTF-8 text", "a,b\n1,M\xC3\xB6we \xE2\x82\xAC \xC5\x82", ", a|b / 2: 1|M\xF6we \x80 ?"},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF" "a;b\n1;\xC3\xA4", "; a|b / 2: 1|\xE4"},
        {"code page 1252: not UTF-8", "a;b\n1;M\xF6we", "; a|b / 2: 1|M\xF6we"},
        // What race offices' lists hold besides.
        {"a stray inch mark is a character; text after a closing quote stays",
         "Segelnummer;Klasse;Zielzeit\nGER1;J 24\";17:02\nGER2;\"X\" 1;17:03", "; Segelnummer|Klasse|Zielzeit / "
         "2: GER1|J 24\"|17:02 / 3: GER2|X 1|17:03"},
        {"a quote never closed: that record named, the next line read afresh", "a;b\n1;\"offen\n2;x\n",
         "; a|b / Zeile 2: Anführungszeichen nicht geschlossen / 3: 2|x"},
        {"quotes never closed, each line reached again inside quotes", "a;b\nx\";\"\nx\";\"\nx\";\"\n",
         "; a|b / Zeile 2: Anführungszeichen nicht geschlossen / Zeile 3: Anführungszeichen nicht geschlossen / "
         "Zeile 4: Anführungszeichen nicht geschlossen"},
        {"a results program's import: comma and blank; blanks around quotes", "raceno, class, sailno, start, finish\n"
         "1, ORC, \"GER 1\" , 20:00, 01:40\n", ", raceno|class|sailno|start|finish / 2: 1|ORC|GER 1|20:00|01:40"},
        {"the separator the header uses most outside quotes", "\"Name, Vorname\";Segelnummer\nA, B;GER1\n",
         "; Name, Vorname|Segelnummer / 2: A, B|GER1"},
        {"as many commas as semicolons: the semicolon", "a;b,c\n1;2,3\n", "; a|b,c / 2: 1|2,3"},
        {"empty lines and records without text left out", "\r\n\r\na;b\r\n\r\n;\r\n\"\";\" \"\r\n1;2\r\n\r\n",
         "; a|b / 7: 1|2"},
        {"tab, UTF-16 LE (Excel's Unicode-Text)", utf16(u"Segel-Nr.\tYacht\r\nGER 1\t\"M\u00F6we\nKiel\"\r\n", false),
         "TAB Segel-Nr.|Yacht / 2: GER 1|M\xF6we\nKiel"},
        {"UTF-16 BE; a letter beyond the code page, a surrogate pair, one left alone", utf16(u"a\tb\n\u0142\t\U0001F600\xD800", true),
         "TAB a|b / 2: ?|??"},
        {"UTF-16 LE; a letter above the surrogates, a lone half of a pair: one character each", utf16(u"a\tb\n\uFB01x\t\u20AC\u00FFx\xDC00\xD800\uE000", false),
         "TAB a|b / 2: ?x|\x80\xFFx???"},
        {"empty", "", "; "},
    };
    for (const Case& c : cases) EXPECT_EQ(shown(readList(c.bytes)), c.read) << c.what;
}

TEST(ListReader, ColumnsByTitleInAnyCaseWithOrWithoutBlanksDotsAndHyphens) {
    ListTable table;
    table.titles = {"Platz", "Segel-Nr.", "Sail Number", "sailno", "YACHT ID", "zielzeit (uhrzeit)", "Finish-Time"};
    struct Case { const char* what; std::vector<const char*> wanted; long column; };
    const Case cases[] = {
        {"as written", {"Segel-Nr."}, 1},
        {"without the dot and hyphen, lower case", {"segel nr"}, 1},
        {"capitals", {"SAIL NUMBER"}, 2},
        {"with a blank where the list has none", {"Sail No"}, 3},
        {"with a hyphen where the list has a blank", {"Yacht-ID"}, 4},
        {"brackets stay", {"Zielzeit (Uhrzeit)"}, 5},
        {"a blank where the list has a hyphen", {"Finish Time"}, 6},
        {"no title is a part of another", {"Zielzeit", "Sail"}, -1},
        {"of several, the first column of the header", {"Sail No", "Segelnummer", "Segel-Nr."}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(table.column(c.wanted), c.column) << c.what;
    const ListRecord record{2, {"a"}, ""};  // a record shorter than the header
    EXPECT_EQ(std::tuple(fieldOf(record, 0), fieldOf(record, 1), fieldOf(record, -1)), std::tuple("a", "", ""));
}

} // namespace
} // namespace wg
