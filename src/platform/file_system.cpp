#include "platform/file_system.h"

#include <atomic>

#include "platform/native_file.h"

namespace wg {
namespace {

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

const std::string& ownComputerName() {
    static const std::string name = temporaryComputerName(systemComputerName());
    return name;
}

// A new file under a temporary name of this copy's own beside `target`
// (native). Another name is tried when one is taken: a name left behind by a
// copy that ran before under the same process id.
FileFault createBeside(NewFile& file, const std::string& target, std::string& name) {
    FileFault fault = FileFault::Exists;
    for (int attempt = 0; attempt < 64 && fault == FileFault::Exists; ++attempt) {
        name = temporaryName(target, nextTemporaryTag());
        fault = file.create(name);
    }
    return fault;
}

FileFault writeBeside(const std::string& target, std::string_view bytes, std::string& temporary) {
    NewFile file;
    FileFault fault = createBeside(file, target, temporary);
    if (fault == FileFault::None) fault = file.write(bytes);
    if (fault == FileFault::None) fault = file.finish();
    if (fault != FileFault::None) {
        file.discard();
        temporary.clear();  // the name may be another copy's
    }
    return fault;
}

} // namespace

std::string nativePath(const std::string& programPath) {
#ifdef _WIN32
    return programPath;
#else
    std::string native = programPath;
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
#endif
}

std::string temporaryComputerName(const std::string& systemName) {
    std::string safe;
    for (char c : systemName) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        safe += plain ? c : '_';
    }
    return safe.empty() ? "PC" : safe;
}

std::string nextTemporaryTag() {
    static std::atomic<unsigned long> count{0};
    return ownComputerName() + "-" + std::to_string(currentProcessId()) + "-" + std::to_string(++count);
}

std::string temporaryName(const std::string& name, const std::string& tag) {
    return name + "." + tag + kTemporarySuffix;
}

std::optional<TemporaryOwner> temporaryOwner(const std::string& fileName) {
    // The tag stands before the suffix; a file kept while it was replacing a
    // file held open carries one more ending.
    const std::size_t suffix = fileName.rfind(kTemporarySuffix);
    if (suffix == std::string::npos) return std::nullopt;
    const std::size_t dot = fileName.rfind('.', suffix - (suffix > 0));
    if (dot == std::string::npos || dot + 1 >= suffix) return std::nullopt;
    const std::string tag = fileName.substr(dot + 1, suffix - dot - 1);
    const std::size_t countAt = tag.rfind('-');
    const std::size_t processAt = countAt == std::string::npos || countAt == 0 ? std::string::npos
                                                                              : tag.rfind('-', countAt - 1);
    if (processAt == std::string::npos || processAt == 0) return std::nullopt;
    const std::string_view process = std::string_view(tag).substr(processAt + 1, countAt - processAt - 1);
    if (!isDigits(process) || process.size() > 9 || !isDigits(std::string_view(tag).substr(countAt + 1)))
        return std::nullopt;
    return TemporaryOwner{tag.substr(0, processAt), std::stol(std::string(process))};
}

std::vector<std::string> staleTemporaryFiles(const std::vector<std::string>& names, const std::string& computer,
                                             const std::function<bool(long)>& running) {
    std::vector<std::string> stale;
    for (const std::string& name : names) {
        const std::optional<TemporaryOwner> owner = temporaryOwner(name);
        if (owner && owner->computer == computer && !running(owner->process)) stale.push_back(name);
    }
    return stale;
}

std::size_t removeStaleTemporaryFiles(const std::string& programDir) {
    std::vector<DirectoryEntry> entries;
    if (!listDirectory(programDir, entries)) return 0;
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries)
        if (entry.isFile && !entry.foreignName) names.push_back(entry.name);
    std::size_t removed = 0;
    for (const std::string& name : staleTemporaryFiles(names, ownComputerName(), processRunning))
        removed += removeFile(programDir + name);
    return removed;
}

bool readWholeFile(const std::string& programPath, std::string& bytes, std::uint64_t limit) {
    return readNative(nativePath(programPath), bytes, limit);
}

Replacement replaceFiles(const std::vector<NewContent>& files) {
    Replacement outcome;
    std::vector<std::string> targets, temporaries(files.size());
    for (std::size_t i = 0; i < files.size() && outcome.fault == FileFault::None; ++i) {
        targets.push_back(nativePath(files[i].programPath));
        outcome.fault = writeBeside(targets[i], files[i].bytes, temporaries[i]);
    }
    if (outcome.fault == FileFault::None) {
        while (outcome.landed < files.size() &&
               (outcome.fault = moveOver(temporaries[outcome.landed], targets[outcome.landed])) == FileFault::None)
            ++outcome.landed;
    }
    if (outcome.fault == FileFault::InUse) {
        const std::string kept = keptBesideName(files[outcome.landed].programPath);
        if (moveOver(temporaries[outcome.landed], nativePath(kept)) == FileFault::None) {
            outcome.keptAs = kept;
            temporaries[outcome.landed].clear();
        }
    }
    for (std::size_t i = outcome.landed; i < temporaries.size(); ++i)
        if (!temporaries[i].empty()) removeNative(temporaries[i]);
    return outcome;
}

Replacement replaceFile(const std::string& programPath, std::string_view bytes) {
    return replaceFiles({{programPath, bytes}});
}

std::string keptBesideName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t folder = name.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (folder == std::string::npos || dot > folder);
    const std::string extension = hasExtension ? name.substr(dot) : "";
    if (extension == ".csv" || extension == ".html") return name.substr(0, dot) + ".neu" + extension;
    return name + ".neu";
}

bool removeFile(const std::string& programPath) { return removeNative(nativePath(programPath)); }

bool fileExists(const std::string& programPath) { return nativeFileExists(nativePath(programPath)); }

bool canWriteIn(const std::string& programDir) {
    // Under this copy's own name, so two copies starting together never
    // take each other's probe for a folder they cannot write.
    std::string probe;
    if (writeBeside(nativePath(programDir + "Wakeguard-Schreibprobe"), "Wakeguard\r\n", probe) != FileFault::None)
        return false;
    return removeNative(probe);
}

std::string fullDirectoryPath(const std::string& programDir) {
    const std::string full = fullNativePath(nativePath(programDir));
    return full.empty() ? programDir : full;
}

bool listDirectory(const std::string& programDir, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    return listNative(nativePath(programDir.empty() ? "." : programDir), entries);
}

} // namespace wg
