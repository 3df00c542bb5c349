#pragma once
#include <string>

namespace wg {

class DialogLogic;
class DialogView;
class Shell;

// The program keeps every text in code page 1252, the bytes of its files,
// whatever the system's own code page is. A character that code page has no
// byte for (Polish, Czech, Cyrillic, Greek or Turkish letters) is refused
// where it comes in, never kept as "?".
inline constexpr const char* kForeignEntryCaption = "Eingabe nicht übernommen";
inline constexpr const char* kForeignEntryText =
    "Die Eingabe enthält Zeichen, die Wakeguard nicht speichern kann.\n"
    "Möglich sind die Buchstaben westeuropäischer Sprachen mit ä, ö, ü und ß (Zeichensatz Windows-1252).\n"
    "Die Eingabe wurde nicht übernommen, bitte ohne diese Zeichen wiederholen.";
inline constexpr const char* kForeignFileCaption = "Datei nicht geöffnet";
inline constexpr const char* kForeignFileText =
    "Der Name der gewählten Datei oder ihres Ordners enthält Zeichen, die Wakeguard nicht verarbeiten kann.\n"
    "Möglich sind die Buchstaben westeuropäischer Sprachen mit ä, ö, ü und ß (Zeichensatz Windows-1252).\n"
    "Bitte die Datei umbenennen oder in den Ordner Daten von Wakeguard legen.";
// For the overview program's console; `shown` has "?" for each such character.
std::string foreignArgumentText(const std::string& shown);

// An edit control lost the focus. Its text goes to the dialog's logic unless
// it holds such a character: the field is then emptied (an empty field
// changes nothing), the message shows over the dialog, and the result is
// false, so the click that moved the focus away goes no further.
bool leaveField(DialogLogic& logic, DialogView& view, Shell& shell, int id);

// The message for a file chosen in the open-file dialog under such a name.
void refuseForeignFileName(Shell& shell);

} // namespace wg
