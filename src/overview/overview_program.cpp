#include "overview/overview_program.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
#include <future>
#include <thread>

#include "files/entry_list.h"
#include "files/file_names.h"
#include "files/regatta_file.h"
#include "files/settings.h"
#include "files/text.h"
#include "files/write_outcome.h"
#include "overview/command_line.h"
#include "overview/finish_list.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"
#include "platform/file_system.h"

namespace wg {
namespace {

// The readers wait out their time limit at a missing end marker, as the
// dialog program does; a console program that has nothing to wait for
// only lets the time pass on paper.
class NoWaitClock final : public Clock {
public:
    explicit NoWaitClock(Clock& inner) : inner_(inner) {}
    std::int64_t nowMs() override { return inner_.nowMs() + skipped_; }
    void pauseMs(std::int64_t ms) override { skipped_ += std::max<std::int64_t>(ms, 0); }

private:
    Clock& inner_;
    std::int64_t skipped_ = 0;
};

// The detail of every yacht together stays within about 18 000 lines, and
// each yacht gets at least 60 and at most 400.
std::size_t detailLimit(std::size_t yachts) {
    return std::clamp<std::size_t>(18000 / std::max<std::size_t>(yachts, 1), 60, 400);
}

std::string timeBaseText(Clock& clock) {
    Settings settings;
    if (readSettings(kSettingsDirectory, settings, clock) != kStatusOk) return "unbekannt";
    return settings.timeZone == 0 ? "UTC" : settings.timeZone == 1 ? "Lokalzeit" : "unbekannt";
}

const char* regattaProblem(Status status) {
    switch (status) {
    case kStatusOk: return nullptr;
    case kStatusCannotOpen: return "Datei kann nicht geöffnet werden";
    case kStatusWrongFileKind: return "keine Regatta-Stammdatei";
    case kStatusBadCharacter: return "unzulässiges Zeichen";
    default: return "Dateiende-Zeichen # fehlt";
    }
}

std::string plural(std::size_t n, const char* one, const char* many) {
    return format("%zu %s", n, n == 1 ? one : many);
}

// A finish list as it was found: where, and its bytes.
struct ListFile {
    std::string path;
    std::string bytes;
};

std::string unusableListText(const std::string& path, const std::string& problem) {
    return "Die Zielzeitenliste " + path + " ist unbrauchbar: " + problem;
}

// The list at `path`, read. Empty when it could be, else why not.
std::string readListFile(const std::string& path, ListFile& list) {
    list.path = path;
    if (!readWholeFile(path, list.bytes, kFinishListByteLimit)) return unusableListText(path, "nicht lesbar");
    if (list.bytes.size() > kFinishListByteLimit) return unusableListText(path, "zu groß");
    return "";
}

// The higher of two exit codes: wrong arguments over a regatta not done.
void raiseExitCode(OverviewResult& result, int exitCode) { result.exitCode = std::max(result.exitCode, exitCode); }

struct Totals {
    std::size_t regattas = 0, yachts = 0, withFindings = 0, failed = 0, unreadable = 0, unwritten = 0;
};

class Run {
public:
    Run(const std::string& madeAt, Console& console, Clock& clock) : madeAt_(madeAt), out_(console), clock_(clock) {}

    // `givenList`: the list named on the command line; without one a regatta
    // takes "<regatta>-Zielzeiten.csv" from its data folder when it is there.
    void regatta(const std::string& dataDir, const std::string& fileName, const ListFile* givenList,
                 OverviewResult& result) {
        RegattaOverview ov;
        ov.regattaFile = fileName;
        ov.timeBase = timeBase();
        ov.madeAt = madeAt_;
        const std::string name = dropExtension(fileName);
        const std::string csvName = name + "-Uebersicht.csv";
        const std::string htmlName = name + "-Uebersicht.html";
        ov.regatta.path = dataDir + fileName;
        const char* problem = regattaProblem(readRegattaData(ov.regatta, clock_));
        if (!problem && regattaTimeText(ov.regatta.start).empty()) problem = "Regattastart fehlt oder ist ungültig";
        if (!problem && (name.empty() || !isSafeFileName(htmlName))) problem = "Dateiname unzulässig";
        std::vector<DirectoryEntry> listing;
        if (!problem && !listDirectory(dataDir, listing)) problem = "Datenverzeichnis nicht lesbar";
        if (problem) {
            out_.line("Regattadatei " + dataDir + fileName + " kann nicht gelesen werden: " + problem + ".");
            ++totals.unreadable;
            raiseExitCode(result, kExitNotRead);
            return;
        }
        if (!takeFinishList(ov, dataDir, listing, givenList)) {
            out_.line("Die Übersicht der Regatta " + fileName + " wird nicht geschrieben.");
            ++totals.unwritten;
            raiseExitCode(result, kExitWrongArguments);
            return;
        }

        std::vector<YachtFiles> yachts = findYachts(name, listing);
        takeEntryList(ov, dataDir, listing, yachts);
        ov.foreignNamedFiles = foreignNamedFiles(name, listing);
        if (!ov.foreignNamedFiles.empty()) out_.line(foreignNamesText(ov));
        const std::vector<ListEntry> listed = matchFinishList(yachts, ov.finishList ? &*ov.finishList : nullptr);
        out_.line("Regatta " + fileName + ": " + plural(yachts.size(), "Yacht", "Yachten"));
        ov.rows = evaluateAll(dataDir, yachts, listed, ov.regatta, [&](std::size_t i, const YachtRow& row) {
            out_.line(format("Yacht %zu von %zu: ", i + 1, yachts.size()) + yachts[i].yachtId + " \x85 " +
                      (row.hasEngineTime ? shortDuration(row.engineSeconds) + ", " : "") + statusText(row));
            if (!row.findings.empty()) ++totals.withFindings;
            if (!row.findings.empty() && row.findings.front() == Finding::Failed) {
                ++totals.failed;
                raiseExitCode(result, kExitNotRead);
            }
        });
        sortRows(ov.rows);
        ov.listHoursOff = listHoursOff(ov.rows);
        if (ov.listHoursOff) out_.line(timeBaseWarning(ov));
        ++totals.regattas;
        totals.yachts += yachts.size();

        // The page first: the jury's, which a browser never holds; the table
        // is the one a spreadsheet may hold open.
        const std::string csv = overviewCsv(ov), html = overviewHtml(ov);
        const Replacement written = replaceFiles({{dataDir + htmlName, html}, {dataDir + csvName, csv}});
        if (written.landed > 0) result.pagesWritten.push_back(dataDir + htmlName);
        if (written.complete(2)) {
            out_.line("Geschrieben: " + dataDir + csvName + " und " + htmlName);
            return;
        }
        const Status why = writeStatus(written, written.landed + 1);
        if (written.landed == 1)
            out_.line("Geschrieben: " + dataDir + htmlName + "; " +
                      (why == kStatusCannotWrite ? csvName + " kann nicht ersetzt werden und ist noch die frühere Übersicht."
                                                 : writeFailureText(csvName, why)));
        else
            out_.line("Die Übersicht kann nicht nach " + dataDir + " geschrieben werden; eine frühere Übersicht bleibt "
                      "unverändert." + (why == kStatusCannotWrite ? "" : " " + writeFailureText(htmlName, why)));
        ++totals.unwritten;
        raiseExitCode(result, kExitNotRead);
    }

    std::string summary() const {
        std::string text = "Fertig: " + plural(totals.regattas, "Regatta", "Regatten") + " mit " +
                           plural(totals.yachts, "Yacht", "Yachten") + ", davon " +
                           format("%zu", totals.withFindings) + " mit Hinweis im Status";
        if (totals.failed) text += "; " + plural(totals.failed, "Yacht", "Yachten") + " nicht ausgewertet";
        if (totals.unreadable)
            text += "; " + plural(totals.unreadable, "Regattadatei", "Regattadateien") + " nicht lesbar";
        if (totals.unwritten)
            text += "; " + plural(totals.unwritten, "Übersicht", "Übersichten") + " nicht geschrieben";
        return text + ".";
    }

    Totals totals;

private:
    // The list named on the command line, else "<regatta>-Zielzeiten.csv"
    // from the data folder when it is there, read for this regatta; said on
    // the console. False for a list that cannot be used.
    bool takeFinishList(RegattaOverview& ov, const std::string& dataDir, const std::vector<DirectoryEntry>& listing,
                        const ListFile* givenList) {
        const std::string listName = foldCase(dropExtension(ov.regattaFile) + "-Zielzeiten.csv");
        const auto found = std::find_if(listing.begin(), listing.end(), [&](const DirectoryEntry& e) {
            return e.isFile && foldCase(e.name) == listName;
        });
        if (!givenList && found == listing.end()) return true;
        ListFile beside;
        const ListFile& file = givenList ? *givenList : beside;
        std::string problem = givenList ? "" : readListFile(dataDir + found->name, beside);
        FinishList& list = ov.finishList.emplace();
        list.fileName = file.path.substr(file.path.find_last_of("\\/:") + 1);
        if (problem.empty()) {
            const std::string parsed = parseFinishList(file.bytes, ov.regatta, list);
            if (!parsed.empty()) problem = unusableListText(file.path, parsed);
        }
        if (!problem.empty()) {
            out_.line(problem);
            return false;
        }
        out_.line("Zielzeitenliste " + finishListText(list.fileName, ov.timeBase) + ": " +
                  plural(list.yachts.size(), "Yacht", "Yachten"));
        if (!list.timeOfDayRule.empty()) out_.line(std::string(kTimeOfDayRuleLabel) + ": " + list.timeOfDayRule);
        for (std::size_t i = 0; i < std::min(list.unreadLines.size(), kUnreadLinesShown); ++i)
            out_.line("Nicht gelesen: " + list.unreadLines[i]);
        if (list.unreadLines.size() > kUnreadLinesShown)
            out_.line(format("Nicht gelesen: %zu weitere Zeilen", list.unreadLines.size() - kUnreadLinesShown));
        return true;
    }

    // "<regatta>-Meldeliste.csv" from the data folder, when it is there:
    // its yachts get rows, and those never prepared say so. A list that
    // cannot be read is named and the overview goes on without it.
    void takeEntryList(RegattaOverview& ov, const std::string& dataDir, const std::vector<DirectoryEntry>& listing,
                       std::vector<YachtFiles>& yachts) {
        const std::string listName = foldCase(dropExtension(ov.regattaFile) + kEntryListSuffix);
        const auto found = std::find_if(listing.begin(), listing.end(), [&](const DirectoryEntry& e) {
            return e.isFile && foldCase(e.name) == listName;
        });
        if (found == listing.end()) return;
        std::string bytes, problem = "nicht lesbar";
        EntryList list;
        if (readWholeFile(dataDir + found->name, bytes, kEntryListByteLimit) && bytes.size() <= kEntryListByteLimit)
            problem = readEntryList(bytes, list);
        if (!problem.empty()) return out_.line("Die Meldeliste " + found->name + " ist unbrauchbar: " + problem);
        ov.entryList = found->name;
        out_.line("Meldeliste " + found->name + ": " + plural(list.yachts.size(), "Yacht", "Yachten"));
        for (const std::string& unread : list.unreadLines) out_.line("Nicht gelesen: " + unread);
        addEntryListYachts(yachts, list);
    }

    // Each yacht is read and evaluated on its own, so a few threads share
    // the work (a data folder on a network share keeps several reads going).
    // `done` hears of the rows in order. The yacht readers stop at the end of
    // their file and never let the clock pause, so the threads only read it.
    // A yacht whose evaluation throws gets a row that says so.
    std::vector<YachtRow> evaluateAll(const std::string& dataDir, const std::vector<YachtFiles>& yachts,
                                      const std::vector<ListEntry>& listed, const RegattaRecord& regatta,
                                      const std::function<void(std::size_t, const YachtRow&)>& done) {
        std::vector<std::promise<YachtRow>> promises(yachts.size());
        std::vector<std::future<YachtRow>> futures;
        for (auto& p : promises) futures.push_back(p.get_future());
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            for (std::size_t i; (i = next++) < yachts.size();) {
                try {
                    promises[i].set_value(
                        evaluateYacht(dataDir, yachts[i], regatta, clock_, detailLimit(yachts.size()), listed[i]));
                } catch (...) {
                    promises[i].set_exception(std::current_exception());
                }
            }
        };
        std::vector<std::thread> threads;
        try {
            while (threads.size() < std::clamp(std::thread::hardware_concurrency(), 1u, 4u)) threads.emplace_back(work);
        } catch (const std::system_error&) {
            if (threads.empty()) work();  // no thread to be had: the work is done here
        }
        std::vector<YachtRow> rows;
        for (std::size_t i = 0; i < futures.size(); ++i) {
            try {
                rows.push_back(futures[i].get());
            } catch (...) {
                rows.push_back(failedRow(yachts[i], listed[i]));
            }
            done(i, rows.back());
        }
        for (std::thread& t : threads) t.join();
        return rows;
    }

    // Read once, and only when a regatta is read at all.
    const std::string& timeBase() {
        if (timeBase_.empty()) timeBase_ = timeBaseText(clock_);
        return timeBase_;
    }

    std::string madeAt_;
    Console& out_;
    Clock& clock_;
    std::string timeBase_;
};

} // namespace

OverviewResult runOverview(const std::vector<std::string>& args, const PcTime& madeAt, Console& console,
                           Clock& clock) {
    OverviewResult result;
    const CommandLine cmd = parseCommandLine(args);
    if (!cmd.error.empty()) {
        console.line(cmd.error);
        console.line("Hilfe: Uebersicht --help");
        result.exitCode = kExitWrongArguments;
        return result;
    }
    if (cmd.help) {
        console.line(helpText());
        return result;
    }

    NoWaitClock noWait(clock);
    Run run(format("%02d.%02d.%04d %02d:%02d", madeAt.day, madeAt.month, madeAt.year, madeAt.hour, madeAt.minute),
            console, noWait);
    std::vector<RegattaFileArgument> regattas = cmd.regattaFiles;
    if (regattas.empty()) {
        std::vector<DirectoryEntry> listing;
        if (!listDirectory(cmd.dataDir, listing)) {
            console.line("Das Datenverzeichnis " + cmd.dataDir + " gibt es nicht oder es ist nicht lesbar.");
            result.exitCode = kExitNotRead;
            return result;
        }
        for (const std::string& name : regattaFileNames(listing)) regattas.push_back({cmd.dataDir, name});
        if (regattas.empty()) {
            console.line("Im Datenverzeichnis " + cmd.dataDir + " liegt keine Regattadatei (*.rsd).");
            result.exitCode = kExitNotRead;
            return result;
        }
    }
    std::optional<ListFile> givenList;
    if (!cmd.finishList.empty()) {
        std::string problem = regattas.size() == 1 ? readListFile(cmd.finishList, givenList.emplace()) : "";
        if (regattas.size() != 1)
            problem = format("Eine Zielzeitenliste gehört zu einer Regatta; hier sind es %zu. Bitte die "
                             "Regattadatei nennen.", regattas.size());
        if (!problem.empty()) {
            console.line(problem);
            result.exitCode = kExitWrongArguments;
            return result;
        }
    }
    for (const RegattaFileArgument& r : regattas)
        run.regatta(r.dataDir, r.fileName, givenList ? &*givenList : nullptr, result);
    console.line(run.summary());
    return result;
}

} // namespace wg
