// The one conversion between the program's texts (code page 1252) and Windows (UTF-16); only the Windows build has it.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "platform/file_system.h"
#include "support/temp_dir.h"
#include "platform/wide_text.h"

namespace wg::test {
namespace {

TEST(WideText, EveryByteOfCodePage1252GoesThereAndBackAndNothingElsePasses) {
    std::string all, back;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_TRUE(narrow(wide(all), back) && back == all);
    EXPECT_EQ(wide("Förde \x80 ß"), L"F\u00f6rde \u20ac \u00df");
    // No look-alike: an "Ł" is not an "L"; a character beyond 16 bits is two halves.
    EXPECT_TRUE(!narrow(L"\u0141eba \U0001F6A4", back) && back == "?eba ??");
}

TEST(WideText, AFileIsNamedAsCodePage1252SaysAndAPathBeyondItFromTheWorkingDirectory) {
    TempDir dir;
    const std::wstring root = wide(dir.programDir());
    for (const wchar_t* folder : {L"\u0141eba", L"\u0141eba\\bin", L"\u0141eba\\Daten"})
        ASSERT_TRUE(CreateDirectoryW((root + folder).c_str(), nullptr));
    // An umlaut in a name is that character on disk.
    ASSERT_TRUE(replaceFile(dir.programPath("Förde.rsd"), "x").complete(1));
    EXPECT_NE(GetFileAttributesW((root + L"F\u00f6rde.rsd").c_str()), INVALID_FILE_ATTRIBUTES);
    // A name written as a Mac does ("e", accent) is the composed "é": read and replaced under it, not written twice.
    const HANDLE mac = CreateFileW((root + L"Cafe\u0301.yrd").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(mac, INVALID_HANDLE_VALUE);
    CloseHandle(mac);
    std::string bytes = "unread";
    EXPECT_TRUE(replaceFile(dir.programPath("Café.yrd"), "neu").complete(1) &&
                readWholeFile(dir.programPath("Café.yrd"), bytes) && bytes == "neu");
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(listDirectory(dir.programDir(), entries));
    std::set<std::string> names;  // "!" before a name beyond code page 1252
    for (const DirectoryEntry& entry : entries) names.insert((entry.foreignName ? "!" : "") + entry.name);
    EXPECT_EQ(names, (std::set<std::string>{"Förde.rsd", "Café.yrd", "!?eba"}));

    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW((root + L"\u0141eba\\bin").c_str()));
    // The text has "?" where the path cannot be kept.
    const struct { const char* what; std::wstring path; bool kept; std::string text; } paths[] = {
        {"1252 as it is", root + L"F\u00f6rde.rsd", true, dir.programPath("Förde.rsd")},
        {"a folder beyond 1252 above", root + L"\u0141eba\\Daten\\R.rsd", true, "..\\Daten\\R.rsd"},
        {"beyond 1252 in the working directory", root + L"\u0141eba\\bin\\R.rsd", true, "R.rsd"},
        {"the file's own name beyond 1252", root + L"\u0141eba\\Daten\\\u0141.rsd", false, "..\\Daten\\?.rsd"},
    };
    for (const auto& p : paths) {
        std::string text;
        const bool kept = programPath(p.path, text);
        EXPECT_EQ(std::tuple(kept, text), std::tuple(p.kept, p.text)) << p.what;
    }
    SetCurrentDirectoryW(before);
}

} // namespace
} // namespace wg::test
#endif
