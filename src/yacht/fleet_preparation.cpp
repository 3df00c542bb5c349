#include "yacht/fleet_preparation.h"

#include "files/file_names.h"
#include "files/text.h"
#include "files/write_outcome.h"
#include "files/yacht_master_file.h"
#include "logger/clock_dialog.h"
#include "logger/identification.h"
#include "logger/login.h"
#include "logger/pc_clock.h"
#include "logger/regatta_time_dialog.h"
#include "platform/file_system.h"
#include "yacht/yacht_exchanges.h"

namespace wg {
namespace {

struct StepNames {
    const char* title;
    const char* key;
};
constexpr StepNames kSteps[] = {
    {"Anmeldung", "Anmeldung"},       {"Seriennummer lesen", "Seriennummer"},
    {"Speicher löschen", "Loeschen"}, {"Erneute Anmeldung", "Anmeldung_erneut"},
    {"Uhr stellen", "Uhr"},           {"Regattastart", "Regattastart"},
    {"Regattaende", "Regattaende"},   {"Betriebsart", "Betriebsart"},
    {"Yacht-ID", "Yacht-ID"},         {"Kontrolle", "Kontrolle"},
    {"Yachtdatei", "Yachtdatei"},     {"Protokoll", "Protokoll"},
};

// The identification reports at most this many characters of a yacht ID.
constexpr std::size_t kIdentifiedLimit = 6;

const char* timeBaseOf(int timeZone) { return timeZone == 0 ? "UTC" : timeZone == 1 ? "Lokalzeit" : "unbekannt"; }

// One preparation under way.
class Run {
public:
    Run(PreparationPlace& place, const PreparationOrder& order, const PreparationEvents& events)
        : place_(place), order_(order), events_(events), logger_(place.logger) {
        // Every message of an exchange becomes the step's answer.
        logger_.sink = [this](const std::string& text) { result_.answer = text; };
        PreparationRecord& r = result_.record;
        r.regatta = place.regatta.regattaFileName;
        r.yachtId = order.yachtId;
        r.yachtName = order.yachtName;
        r.port = place.logger.port;
        r.computerName = place.computerName;
        r.programVersion = place.programVersion;
        r.timeBase = timeBaseOf(place.timeZone);
        r.eraseRequested = order.erase;
        r.modeSent = order.operatingMode;
    }

    PreparationResult run() {
        PreparationRecord& r = result_.record;
        if (!step(PreparationStep::Login, [&] { return login(); }) ||
            !step(PreparationStep::Identify, [&] { return identify(r.serialNumber); }) || !ownedHere() ||
            (order_.erase && !step(PreparationStep::Erase, [&] { return erase(); })) ||
            !step(PreparationStep::Clock, [&] { return clock(); }) ||
            !step(PreparationStep::Start, [&] { return regattaTime(kStartTimeRole, r.startSent); }) ||
            !step(PreparationStep::End, [&] { return regattaTime(kEndTimeRole, r.endSent); }) ||
            !step(PreparationStep::Mode, [&] { return modeExchange(logger_, order_.operatingMode); }) ||
            !step(PreparationStep::YachtId, [&] { return yachtIdExchange(logger_, order_.yachtId); }) ||
            !step(PreparationStep::Check, [&] { return check(); }) ||
            !step(PreparationStep::YachtFile, [&] { return yachtFile(); }))
            return result_;
        samplePcClock(logger_.shell, place_.timeZone, place_.sample);
        r.preparedAt = pcTimeText(place_.sample);
        step(PreparationStep::Record, [&] {
            const Status written = writePreparationRecord(place_.dataDirectory, r);
            if (written == kStatusOk) return Verdict::Success;
            result_.answer = writeFailureText(preparationFileName(r.regatta, r.yachtId), written);
            return Verdict::CommandFailed;
        });
        return result_;
    }

private:
    // Runs one step; a logger that asks for its password again after the
    // erase is logged in once more and the step repeated.
    bool step(PreparationStep which, const std::function<Verdict()>& exchange) {
        begin(which);
        result_.verdict = exchange();
        if (result_.verdict == Verdict::PasswordRequired && erased_ && !loggedInAgain_) {
            loggedInAgain_ = true;
            if (!step(PreparationStep::LoginAgain, [&] { return login(); })) return false;
            begin(which);
            result_.verdict = exchange();
        }
        return result_.verdict == Verdict::Success;
    }

    void begin(PreparationStep which) {
        result_.step = which;
        result_.answer.clear();
        if (events_.stepBegins) events_.stepBegins(which);
        samplePcClock(logger_.shell, place_.timeZone, place_.sample);
        result_.record.steps.push_back({stepKey(which), pcTimeText(place_.sample)});
    }

    Verdict login() { return loginExchange(logger_, PasswordKind::Master, order_.masterPassword); }

    Verdict identify(std::string& serialNumber) {
        YachtRecord read;
        switch (identificationQuery(logger_, read)) {
        case kIdentified: break;
        case kIdentificationPasswordRequired: return Verdict::PasswordRequired;
        default: return Verdict::CommandFailed;
        }
        if (read.serialNumber.empty()) {
            result_.answer = kNoSerialNumberText;
            return Verdict::CommandFailed;
        }
        serialNumber = read.serialNumber;
        identifiedId_ = read.yachtId;
        return Verdict::Success;
    }

    // The logger belongs to another yacht of the regatta unless the user says otherwise.
    bool ownedHere() {
        const std::string& serial = result_.record.serialNumber;
        for (const PreparationSummary& other :
             preparedYachts(place_.dataDirectory, place_.regatta.regattaFileName, logger_.clock)) {
            if (other.serialNumber != serial || other.yachtId == order_.yachtId) continue;
            if (events_.prepareAgain && events_.prepareAgain(other)) return true;
            result_.verdict = Verdict::CommandFailed;
            result_.answer = preparedElsewhereText(other) + " Nicht erneut vorbereitet.";
            return false;
        }
        return true;
    }

    Verdict erase() {
        const EraseProgress quiet{[](const std::string&) {}, [this] {
                                      if (events_.repaint) events_.repaint();
                                  }};
        const Verdict verdict = eraseLogger(logger_, quiet);
        if (verdict == Verdict::Success) result_.answer = kErasedText;
        erased_ = result_.record.eraseConfirmed = verdict == Verdict::Success;
        return verdict;
    }

    Verdict clock() {
        samplePcClock(logger_.shell, place_.timeZone, place_.sample);
        const std::string command = clockCommand(clockTextsOf(place_.sample));
        result_.record.clockSent = command.substr(1, 12);
        return configurationExchange(logger_, command, kClockSetText);
    }

    Verdict regattaTime(const RegattaTimeRole& role, std::string& sent) {
        const std::string command = regattaTimeCommand(place_.regatta, role);
        sent = command.substr(1, 12);
        return configurationExchange(logger_, command, role.successText);
    }

    // What the logger holds now must be what was sent.
    Verdict check() {
        PreparationRecord& r = result_.record;
        std::string serial;
        const Verdict identified = identify(serial);
        if (identified != Verdict::Success) return identified;
        r.yachtIdRead = identifiedId_;
        const std::optional<std::int32_t> mode = modeQuery(logger_);
        if (!mode) return Verdict::CommandFailed;
        r.modeRead = *mode;
        if (serial == r.serialNumber && r.yachtIdRead == cutTo(order_.yachtId, kIdentifiedLimit) &&
            r.modeRead == order_.operatingMode)
            return Verdict::Success;
        result_.answer = format("ERLG %s meldet Yacht-ID \x84%s\x93 und Betriebsart %d statt \x84%s\x93 und %d.",
                                serial.c_str(), r.yachtIdRead.c_str(), static_cast<int>(r.modeRead),
                                order_.yachtId.c_str(), static_cast<int>(order_.operatingMode));
        return Verdict::CommandFailed;
    }

    // As the yacht configuration writes it, with the logger's serial number.
    Verdict yachtFile() {
        YachtRecord yacht;
        yacht.yachtName = order_.yachtName;
        yacht.yachtId = order_.yachtId;
        yacht.serialNumber = result_.record.serialNumber;
        yacht.operatingMode = order_.operatingMode;
        yacht.sealCount = order_.sealCount;
        yacht.masterFileName = yachtMasterFileName(place_.regatta.regattaFileName, order_.yachtId);
        const Status written = writeYachtMasterData(yacht, place_.dataDirectory);
        if (written == kStatusOk) return Verdict::Success;
        result_.answer = writeFailureText(yacht.masterFileName, written);
        return Verdict::CommandFailed;
    }

    PreparationPlace& place_;
    const PreparationOrder& order_;
    const PreparationEvents& events_;
    LoggerContext logger_;
    PreparationResult result_;
    std::string identifiedId_;
    bool erased_ = false, loggedInAgain_ = false;
};

} // namespace

const char* stepTitle(PreparationStep step) { return kSteps[static_cast<std::size_t>(step)].title; }
const char* stepKey(PreparationStep step) { return kSteps[static_cast<std::size_t>(step)].key; }

std::string preparedElsewhereText(const PreparationSummary& other) {
    return "ERLG " + other.serialNumber + " ist schon für die Yacht " + other.yachtId + " vorbereitet (" +
           other.preparedAt + ").";
}

PreparationResult prepareLogger(PreparationPlace& place, const PreparationOrder& order,
                                const PreparationEvents& events) {
    return Run(place, order, events).run();
}

std::vector<PreparationSummary> preparedYachts(const std::string& directory, const std::string& regatta,
                                               Clock& clock) {
    std::vector<PreparationSummary> found;
    std::vector<DirectoryEntry> listing;
    if (regatta.empty() || !listDirectory(directory, listing)) return found;
    const std::string prefix = regatta + "-";
    for (const DirectoryEntry& e : listing) {
        if (!e.isFile || e.name.compare(0, prefix.size(), prefix) != 0 || e.name.size() < prefix.size() + 4 ||
            e.name.compare(e.name.size() - 4, 4, ".yvd") != 0)
            continue;
        PreparationSummary summary;
        const Status status = readPreparationSummary(directory, e.name, summary, clock);
        if ((status == kStatusOk || status == kStatusNoEndMarker) && summary.regatta == regatta)
            found.push_back(summary);
    }
    return found;
}

} // namespace wg
