#include <gtest/gtest.h>

#include "files/file_names.h"
#include "files/regatta_file.h"
#include "files/text.h"
#include "support/temp_dir.h"

namespace wg {
namespace {

TEST(FileNames, SafeNamesStayInTheirDirectory) {
    for (const char* good : {"Sommer04.rsd", "Kieler Woche.rsd", "a", "-GER12.yrd", "Möwe-1.ysd", "...rsd",
                             "CONSOLE.rsd", "COM10.rsd", "LPT0.rsd", "x.con"})
        EXPECT_TRUE(isSafeFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\x.rsd", "a\\b", "a/b", "C:x", "x:", "a*b", "a?b", "a\"b", "a<b",
                            "a>b", "a|b", "a\tb", "a\nb", "a\rb", "\x01x", "x\x7f", "CON", "con.rsd", "Prn.rsd",
                            "AUX", "nul.ysd", "COM1.yrd", "com9", "LPT1.rsd", "CON .rsd", "conout$.rsd", "COM\xb9.rsd"})
        EXPECT_FALSE(isSafeFileName(bad)) << bad;
}

TEST(FileNames, RegattaWriterRefusesUnsafeNamesAndWritesNothing) {
    test::TempDir dir;
    dir.makeDirectory("Daten");
    RegattaRecord r;
    r.designation = "Kieler Woche";
    for (const char* name : {"..\\Weg.rsd", "..\\..\\Weg.rsd", "sub/Weg.rsd", "C:Weg.rsd", "W*g.rsd", "NUL.rsd", ""})
        EXPECT_EQ(writeRegattaData(r, name, dir.programDir() + "Daten\\"), kStatusCannotWrite) << name;
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST(CarriableText, KeepsWhatAContinuedValueCanCarry) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {Case{"Blue Star", "Blue Star"}, Case{"  Blue   Star  ", "Blue Star"},
                          Case{"Blue\tStar", "Blue Star"}, Case{"\t \t", ""}, Case{"", ""},
                          Case{"a\r\nb", "a b"}, Case{"$x # /y", "$x # /y"}})
        EXPECT_EQ(carriableText(c.in), c.out) << c.in;
}

} // namespace
} // namespace wg
