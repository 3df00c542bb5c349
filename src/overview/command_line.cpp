#include "overview/command_line.h"

#include "overview/output_text.h"

namespace wg {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A folder always ends in "\", so a name appended to it gives a path whose
// base name the program's rules find.
std::string asFolder(std::string dir) {
    if (dir.empty()) return dir;
    if (isSeparator(dir.back())) dir.back() = '\\';
    else if (dir.back() != ':') dir += '\\';
    return dir;
}

// Folders compared as Windows compares them: without regard to case or to
// the kind of separator.
bool sameFolder(std::string a, std::string b) {
    for (std::string* folder : {&a, &b})
        for (char& c : *folder)
            if (c == '/') c = '\\';
    return foldCase(a) == foldCase(b);
}

bool endsWithRsd(const std::string& name) {
    return name.size() > 4 && foldCase(name.substr(name.size() - 4)) == ".RSD";
}

} // namespace

const char* helpText() {
    return "Uebersicht: die Motorlaufzeiten aller Yachten einer Regatta in einer Tabelle.\n"
           "\n"
           "Aufruf:\n"
           "  Uebersicht                       alle Regatten (*.rsd) in ..\\Daten\\\n"
           "  Uebersicht REGATTA.rsd ...       nur diese Regatten\n"
           "  Uebersicht --daten VERZEICHNIS   alle Regatten in diesem Datenverzeichnis\n"
           "  Uebersicht --zielzeiten LISTE.csv REGATTA.rsd\n"
           "                                   mit der Zielzeitenliste der Wettfahrtleitung\n"
           "  Uebersicht --help                diese Hilfe\n"
           "\n"
           "Eine Regattadatei ohne Verzeichnis wird im Datenverzeichnis gesucht; eine mit\n"
           "Verzeichnis bringt ihr eigenes mit. Je Regatta entstehen im Datenverzeichnis\n"
           "<Regatta>-Uebersicht.csv (für die Tabellenkalkulation) und\n"
           "<Regatta>-Uebersicht.html (Tabelle, Zeitleiste und Ereigniszeilen je Yacht).\n"
           "Die Zeitbasis steht in ..\\init\\Wakeguard.ini.\n"
           "\n"
           "Die Zielzeitenliste (CSV aus dem Ergebnisprogramm, Spalten \"Segelnummer\" oder\n"
           "\"Yacht-ID\" und \"Zielzeit\" oder \"Zieldurchgang\") gilt für eine Regatta; ohne\n"
           "--zielzeiten nimmt jede Regatta <Regatta>-Zielzeiten.csv aus ihrem\n"
           "Datenverzeichnis, wenn es sie gibt. Ihre Zeiten gelten in der Zeitbasis.\n"
           "\n"
           "Rückgabewert: 0 fertig, 1 eine Regatta konnte nicht gelesen, eine Yacht nicht\n"
           "ausgewertet oder eine Übersicht nicht geschrieben werden, 2 falscher Aufruf\n"
           "oder unbrauchbare Zielzeitenliste.";
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cmd;
    bool dataDirGiven = false;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < args.size() && cmd.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            cmd.help = true;
        } else if (arg == "--daten") {
            if (dataDirGiven) cmd.error = "--daten ist doppelt angegeben.";
            else if (i + 1 == args.size() || args[i + 1].empty()) cmd.error = "Nach --daten fehlt das Verzeichnis.";
            else cmd.dataDir = asFolder(args[++i]);
            dataDirGiven = true;
        } else if (arg == "--zielzeiten") {
            if (!cmd.finishList.empty()) cmd.error = "--zielzeiten ist doppelt angegeben.";
            else if (i + 1 == args.size() || args[i + 1].empty()) cmd.error = "Nach --zielzeiten fehlt die Liste.";
            else cmd.finishList = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            cmd.error = "Unbekannte Option: " + arg;
        } else if (!endsWithRsd(arg)) {
            cmd.error = "Keine Regattadatei (.rsd): " + arg;
        } else {
            names.push_back(arg);
        }
    }
    if (!dataDirGiven) cmd.dataDir = kDefaultDataDir;
    for (const std::string& name : names) {
        const std::size_t cut = name.find_last_of("\\/:");
        if (cut == std::string::npos) {
            cmd.regattaFiles.push_back({cmd.dataDir, name});
        } else if (dataDirGiven && !sameFolder(asFolder(name.substr(0, cut + 1)), cmd.dataDir)) {
            cmd.error = "Die Regattadatei " + name + " nennt ein eigenes Verzeichnis; --daten passt nicht dazu.";
        } else {
            cmd.regattaFiles.push_back({asFolder(name.substr(0, cut + 1)), name.substr(cut + 1)});
        }
    }
    return cmd;
}

} // namespace wg
