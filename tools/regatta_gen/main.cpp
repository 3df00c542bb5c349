// wg_regatta_gen: writes a test regatta with its yachts' files.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "regatta_generator.h"

namespace {

void printHelp() {
    std::printf(
        "Usage: wg_regatta_gen DIR [--name=NAME] [--yachts=N] [--lines=M] [--seed=S] [--days=D] [--night]\n"
        "                      [--zielzeiten[=export|import|unicode]] [--hours-off=H]\n"
        "\n"
        "Writes NAME.rsd (regatta from 10:00 on 14.06.08 to 18:00 D days later) and for each of N\n"
        "yachts NAME-<ID>.ysd and, for most, NAME-<ID>.yrd with M event lines, into\n"
        "DIR, which must exist, each .yrd with its fingerprint (.yrd.sha256) and the\n"
        "logger's coarse minutes (.yrd.grobminuten). The mix follows the yacht's\n"
        "place: of every 10, the 4th was edited after its readout, the 6th has\n"
        "neither fingerprint nor coarse minutes, the 8th is not read out and the 10th\n"
        "has no finish block; every 20th from the 12th broke off during its readout\n"
        "(.yrd.unvollstaendig); every 8th from the 7th has a reset after the start.\n"
        "The seed moves the times; the same options give the same bytes. Prints one\n"
        "line per yacht: \"<ID> <kind>[ reset]\".\n"
        "\n"
        "  --name=NAME   regatta file name without .rsd [Test]\n"
        "  --yachts=N    number of yachts [40]\n"
        "  --lines=M     event lines per readout [40]\n"
        "  --seed=S      [1]\n"
        "  --days=D      days of the regatta, 1 to 7 [1]\n"
        "  --night       from 20:00 to 08:00 on the last day instead of 10:00 to 18:00\n"
        "  --zielzeiten  also NAME-Zielzeiten.csv, the race committee's finish list:\n"
        "                of every 10 yachts the 6th is missing, the 2nd 75 s off its\n"
        "                typed finish; after every 20th from the 14th a yacht only in\n"
        "                the list (ITA...), and one line \"DNF\". As a results program\n"
        "                exports it (export: UTF-8, \";\", dates), as its import takes it\n"
        "                (import: \"raceno, class, sailno, start, finish\", times of day\n"
        "                without seconds) or as Excel's Unicode-Text (unicode: UTF-16, tabs)\n"
        "  --hours-off=H the list H hours later than the typed finishes, none 75 s off\n");
}

} // namespace

int main(int argc, char** argv) {
    wg::gen::RegattaOptions options;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = std::strchr(arg, '=');
        const std::string key(arg, value ? value - arg : std::strlen(arg));
        if (key == "--help") {
            printHelp();
            return 0;
        } else if (key == "--name" && value) {
            options.name = value + 1;
        } else if (key == "--yachts" && value) {
            options.yachts = std::atoi(value + 1);
        } else if (key == "--lines" && value) {
            options.lines = std::atoi(value + 1);
        } else if (key == "--seed" && value) {
            options.seed = std::strtoull(value + 1, nullptr, 10);
        } else if (key == "--days" && value) {
            options.days = std::atoi(value + 1);
        } else if (key == "--night" && !value) {
            options.night = true;
        } else if (key == "--zielzeiten") {
            using wg::gen::ListShape;
            const std::string shape = value ? value + 1 : "export";
            options.finishList = shape == "export" || shape == "import" || shape == "unicode";
            options.listShape = shape == "import" ? ListShape::Import : shape == "unicode" ? ListShape::UnicodeText
                                                                                            : ListShape::Export;
            if (!options.finishList) {
                std::fprintf(stderr, "unknown list shape %s (see --help)\n", shape.c_str());
                return 2;
            }
        } else if (key == "--hours-off" && value) {
            options.listHoursOff = std::atoi(value + 1);
        } else if (arg[0] != '-' && dir.empty()) {
            dir = arg;
        } else {
            std::fprintf(stderr, "unknown argument %s (see --help)\n", arg);
            return 2;
        }
    }
    if (dir.empty() || options.yachts < 0 || options.lines < 1 || options.days < 1 || options.days > 7) {
        printHelp();
        return 2;
    }
    if (dir.back() != '/' && dir.back() != '\\') dir += '/';
    std::vector<wg::gen::GeneratedYacht> yachts;
    const std::string problem = wg::gen::generateRegatta(dir, options, &yachts);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    for (const auto& y : yachts) std::printf("%s %s%s\n", y.id.c_str(), kindName(y.kind), y.reset ? " reset" : "");
    return 0;
}
