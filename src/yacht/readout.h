#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "files/status.h"
#include "files/yacht_record.h"
#include "logger/exchange.h"

namespace wg {

// Results of the readout.
inline constexpr Status kReadoutDone = kStatusOk;
// The yacht regatta data file cannot be created (the logger was then not
// contacted) or the complete readout could not be stored (the user has been
// told why; an earlier file of the same name is unchanged).
inline constexpr Status kReadoutCannotCreate = kStatusCannotWrite;
// The end line never came (no port, no echo, the logger fell silent or sent
// more than an event memory can hold). The user has been told; an earlier
// file of the same name is unchanged.
inline constexpr Status kReadoutIncomplete = kStatusNoEndMarker;

// Whole seconds without a received byte after which the logger counts as
// fallen silent and the readout ends.
inline constexpr std::int64_t kReadoutSilenceSeconds = 5;
// Far more than any event memory holds: a logger that keeps sending without
// its end line is not read for ever.
inline constexpr std::size_t kReadoutByteLimit = 1 << 20;
// What an incomplete readout's data are kept as, behind the file's name.
inline constexpr const char* kIncompleteSuffix = ".unvollstaendig";

// How far a readout has come: the logger's bytes and completed lines so far
// and the whole seconds since the event memory began to arrive. The logger
// does not announce how much it holds, so there is no share of a whole.
struct ReadoutProgress {
    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::int64_t seconds = 0;
};
using ReadoutProgressShown = std::function<void(const ReadoutProgress&)>;

// "Auslesen läuft: 12 400 Bytes, 214 Zeilen, 26 s".
std::string readoutProgressText(const ReadoutProgress& progress);

// Reads the logger's event memory ("I") into `directory` + the record's yacht
// regatta data file name: the yacht header, "$" and every logger line with
// its carriage returns dropped, and "$Ereigniss Ende" for the first line
// that begins with "Ereigniss". The file replaces an earlier one only once
// that line has come, together with its fingerprint and the record's coarse
// minutes beside it. When it does not come, the bytes received so far are
// kept as the name + kIncompleteSuffix (nothing is kept when no event byte
// came) and the user is told. `progress`, when given, hears after every read
// of the event memory, also a read that timed out.
Status readOut(LoggerContext& context, const YachtRecord& yacht, const std::string& directory,
               const ReadoutProgressShown& progress = {});

// The text the user sees when a complete readout cannot be stored in
// `fileName` for the writer's `status`.
std::string readoutNotSavedText(const std::string& fileName, Status status);

// The text the user sees when a readout breaks off.
std::string readoutBrokenText(const std::string& fileName, bool earlierFileKept, bool dataKept);

} // namespace wg
