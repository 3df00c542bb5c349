#include "yacht/readout.h"

#include <algorithm>

#include "files/coarse_minutes_file.h"
#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/kv_writer.h"
#include "files/write_outcome.h"
#include "files/yacht_header.h"
#include "logger/collection.h"
#include "logger/echo.h"
#include "platform/file_system.h"

namespace wg {
namespace {

constexpr std::size_t kChunk = 100;

// Turns the logger's bytes into file lines: every carriage return (and every
// zero byte, which cannot stand in a text) dropped, every line feed ending a
// file line that the next one starts with "$". Only the first nine
// characters of a line are looked at, for "Ereigniss".
class EventBlock {
public:
    // Appends the file bytes for `bytes` to `out`; true once the end line is
    // complete, the rest of `bytes` is then ignored.
    bool take(const std::string& bytes, std::string& out) {
        for (char c : bytes) {
            if (c == '\r' || c == '\0') continue;
            if (c == '\n') {
                out += "\r\n$";
                head_.clear();
                continue;
            }
            out += c;
            if (head_.size() < 9) {
                head_ += c;
                if (head_ == "Ereigniss") {
                    out += " Ende\r\n";
                    return true;
                }
            }
        }
        return false;
    }

private:
    std::string head_;
};

// Thousands set apart by a blank, as German texts write large numbers.
std::string groupedDigits(std::size_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string readoutProgressText(const ReadoutProgress& progress) {
    std::string text = "Auslesen läuft: ";
    text += groupedDigits(progress.bytes);
    text += " Bytes, ";
    text += groupedDigits(progress.lines);
    text += " Zeilen, ";
    text += std::to_string(progress.seconds);
    text += " s";
    return text;
}

std::string readoutBrokenText(const std::string& fileName, bool earlierFileKept, bool dataKept) {
    std::string text = "Der ERLG sendet keine Daten mehr, das Auslesen wurde abgebrochen.";
    if (earlierFileKept) text += "\nDie vorhandene Datei " + fileName + " bleibt unverändert.";
    if (dataKept)
        text += "\nDie bis dahin empfangenen Daten stehen in " + fileName + kIncompleteSuffix + ".";
    text += "\nBitte Verbindung und ERLG prüfen und erneut auslesen!";
    return text;
}

std::string readoutNotSavedText(const std::string& fileName, Status status) {
    switch (status) {
    case kStatusDriveFull:
        return writeFailureText(fileName, status) + " Bitte Platz auf dem Datenträger schaffen und erneut auslesen!";
    case kStatusFileInUse:
        return writeFailureText(fileName, status) + " Bitte das andere Programm schließen und erneut auslesen!";
    case kStatusNoPermission: return writeFailureText(fileName, status) + " Bitte erneut auslesen!";
    default:
        return "Die ausgelesenen Daten konnten nicht in der Datei " + fileName +
               " gespeichert werden. Bitte Datenträger prüfen und erneut auslesen!";
    }
}

Status readOut(LoggerContext& context, const YachtRecord& yacht, const std::string& directory,
               const ReadoutProgressShown& progress) {
    // A file that could not be stored is not worth the logger's time.
    if (!isSafeFileName(yacht.regattaFileName) || !canWriteIn(directory)) return kReadoutCannotCreate;
    const std::string fileName = yacht.regattaFileName;
    const std::string path = directory + fileName;
    std::string content = yachtHeaderBytes(yacht);

    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return kReadoutIncomplete;
    drain(link, context.clock);
    link.read(1);
    if (!echoedTransmission(link, context.clock, "I\r\r", 1)) {
        recoverOn(context, link);
        link.close();
        return kReadoutIncomplete;
    }
    link.read(1);

    content += "$";
    EventBlock block;
    ReadoutProgress done;
    bool ended = false;
    const std::int64_t start = context.clock.nowMs();
    std::int64_t lastByte = start;
    while (!ended && done.bytes <= kReadoutByteLimit) {
        link.read(kChunk);
        const std::string& bytes = link.received();
        done.seconds = elapsedSeconds(context.clock, start);
        if (bytes.empty()) {
            if (progress) progress(done);
            if (elapsedSeconds(context.clock, lastByte) >= kReadoutSilenceSeconds) break;
            continue;
        }
        lastByte = context.clock.nowMs();
        done.bytes += bytes.size();
        done.lines += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        if (progress) progress(done);
        ended = block.take(bytes, content);
    }
    link.close();

    if (!ended) {
        const bool earlierFileKept = fileExists(path);
        const bool dataKept = done.bytes > 0 && writeComplete(path + kIncompleteSuffix, content) == kStatusOk;
        report(context, readoutBrokenText(fileName, earlierFileKept, dataKept));
        return kReadoutIncomplete;
    }

    // The file, its fingerprint and the coarse minutes land together or not
    // at all; the fingerprint and the coarse minutes only ever beside the
    // file they were made for.
    std::string sidecar;
    const bool hashed = fingerprintBytes(content, fileName, sidecar);
    const std::string minutes = coarseMinutesBytes(yacht.coarseMinutes);
    std::vector<NewContent> files{{path, content}};
    if (hashed) files.push_back({path + kFingerprintSuffix, sidecar});
    files.push_back({path + kCoarseMinutesSuffix, minutes});
    const Replacement replaced = replaceFiles(files);
    const Status status = writeStatus(replaced, 1);
    if (status != kStatusOk) {
        report(context, readoutNotSavedText(fileName, status));
        return kReadoutCannotCreate;
    }
    // The readout stands even without its fingerprint; the user is told, and
    // no older sidecar is left to contradict the new file. The coarse minutes
    // cost no message: the dialog shows them anyway.
    const std::size_t fingerprintAt = hashed ? 1 : files.size();
    if (replaced.landed <= fingerprintAt) {
        removeFile(path + kFingerprintSuffix);
        report(context, fingerprintFailureText(fileName));
    }
    if (replaced.landed < files.size()) removeFile(path + kCoarseMinutesSuffix);
    return kReadoutDone;
}

} // namespace wg
