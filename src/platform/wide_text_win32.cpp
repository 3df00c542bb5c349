#include "platform/wide_text.h"

#include <windows.h>
#include <shlwapi.h>

namespace wg {

namespace {

constexpr UINT kProgramCodePage = 1252;

std::wstring normalized(NORM_FORM form, const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    int n = NormalizeString(form, text.data(), size, nullptr, 0);
    // The estimate can be short; Windows then says how much it needs.
    for (int attempt = 0; n > 0 && attempt < 3; ++attempt) {
        std::wstring out(static_cast<std::size_t>(n), L'\0');
        const int got = NormalizeString(form, text.data(), size, out.data(), n);
        if (got > 0) return out.substr(0, static_cast<std::size_t>(got));
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        n = -got;
    }
    return text;
}

// Code page 1252 without "best fit": a character without its own byte must
// not pass as a look-alike (an "Ł" as "L"). False when one had none.
bool toCodePage(const std::wstring& wideText, std::string& text) {
    text.clear();
    if (wideText.empty()) return true;
    const int size = static_cast<int>(wideText.size());
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, wideText.data(), size, nullptr, 0,
                                      nullptr, &lost);
    if (n <= 0) return false;
    text.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, wideText.data(), size, text.data(), n, "?", &lost);
    return !lost;
}

} // namespace

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(kProgramCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(kProgramCodePage, 0, text.data(), size, out.data(), n);
    return out;
}

bool narrow(const std::wstring& wideText, std::string& text) {
    return toCodePage(wideText, text) || toCodePage(normalized(NormalizationC, wideText), text);
}

std::wstring decomposed(const std::wstring& wideText) { return normalized(NormalizationD, wideText); }

bool programPath(const std::wstring& path, std::string& text) {
    if (narrow(path, text)) return true;
    wchar_t here[MAX_PATH] = {};
    wchar_t relative[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, here);
    if (n == 0 || n >= MAX_PATH) return false;
    if (!PathRelativePathToW(relative, here, FILE_ATTRIBUTE_DIRECTORY, path.c_str(), FILE_ATTRIBUTE_NORMAL))
        return false;
    // ".\x" when the file lies in the working directory itself.
    const std::wstring shorter = wcsncmp(relative, L".\\", 2) == 0 ? relative + 2 : relative;
    return narrow(shorter, text);
}

} // namespace wg
