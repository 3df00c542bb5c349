#include "yacht/readout.h"

#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/yacht_header.h"
#include "logger/collection.h"
#include "logger/echo.h"
#include "platform/file_system.h"
#include "platform/replacement_file.h"

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

} // namespace

std::string readoutBrokenText(const std::string& fileName, bool earlierFileKept, bool dataKept) {
    std::string text = "Der ERLG sendet keine Daten mehr, das Auslesen wurde abgebrochen.";
    if (earlierFileKept) text += "\nDie vorhandene Datei " + fileName + " bleibt unverändert.";
    if (dataKept)
        text += "\nDie bis dahin empfangenen Daten stehen in " + fileName + kIncompleteSuffix + ".";
    text += "\nBitte Verbindung und ERLG prüfen und erneut auslesen!";
    return text;
}

Status readOut(LoggerContext& context, const YachtRecord& yacht, const std::string& directory) {
    if (!isSafeFileName(yacht.regattaFileName)) return kReadoutCannotCreate;
    const std::string path = directory + yacht.regattaFileName;
    ReplacementFile file;
    if (!file.open(path)) return kReadoutCannotCreate;
    file.write(yachtHeaderBytes(yacht));

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

    file.write("$");
    EventBlock block;
    std::string out;
    std::size_t received = 0;
    bool ended = false;
    std::int64_t lastByte = context.clock.nowMs();
    while (!ended && received <= kReadoutByteLimit) {
        link.read(kChunk);
        const std::string& bytes = link.received();
        if (bytes.empty()) {
            if (elapsedSeconds(context.clock, lastByte) >= kReadoutSilenceSeconds) break;
            continue;
        }
        lastByte = context.clock.nowMs();
        received += bytes.size();
        ended = block.take(bytes, out);
        file.write(out);
        out.clear();
    }
    link.close();

    if (ended) {
        if (file.commit()) {
            // The readout stands even without its fingerprint; the user is
            // told, and no older sidecar is left to contradict the new file.
            if (writeFingerprint(directory, yacht.regattaFileName) != kStatusOk)
                report(context, fingerprintFailureText(yacht.regattaFileName));
            return kReadoutDone;
        }
        // Full disk, or the old file held by another program: say so rather
        // than end without a word after a long readout.
        report(context, "Die ausgelesenen Daten konnten nicht in der Datei " + yacht.regattaFileName +
                            " gespeichert werden. Bitte Datenträger prüfen und erneut auslesen!");
        return kReadoutCannotCreate;
    }
    const bool earlierFileKept = fileExists(path);
    const bool dataKept = received > 0 && file.setAside(path + kIncompleteSuffix);
    report(context, readoutBrokenText(yacht.regattaFileName, earlierFileKept, dataKept));
    return kReadoutIncomplete;
}

} // namespace wg
