#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "files/date_time.h"

namespace wg {

inline constexpr std::size_t kYachtFileNameLimit = 255;
inline constexpr std::size_t kYachtIdLimit = 15;
inline constexpr std::size_t kSerialNumberLimit = 15;
inline constexpr std::size_t kYachtNameLimit = 63;
inline constexpr std::size_t kMasterPasswordLimit = 8;
inline constexpr std::size_t kEventTokenLimit = 31;

// The four kinds of event line the evaluation tells apart.
enum EventKind : std::size_t { kEventOn, kEventOff, kEventStart, kEventReset, kEventKindCount };

// What the evaluation of a yacht's event log found, and its working state.
struct YachtEvaluation {
    double engineTotalSeconds = 0;
    std::int32_t eventCount = 0;
    std::int32_t powerOnCount = 0;
    std::string durationText;

    std::string dateText;   // date and time word of the event line in hand,
    std::string timeText;   // at most kEventTokenLimit characters each
    // Components of the last line of each kind, hour to year.
    std::array<FinishTime, kEventKindCount> components{};
    double regattaStart = 0;  // second counts: the evaluation window
    double finish = 0;
    double pendingOn = 0;     // start of a running interval not yet closed
    bool onPending = false;
    std::array<double, kEventKindCount> lineSeconds{};  // last line of each kind
};

// The yacht being configured, read out or evaluated; one instance for the run.
struct YachtRecord {
    std::string masterFileName;    // .ysd (or chosen .yrd) name or path
    std::string regattaFileName;   // .yrd name or path
    std::string yachtId;
    std::string serialNumber;
    std::int32_t operatingMode = 0;
    std::int32_t sealCount = 0;
    std::int32_t coarseMinutes = 0;
    std::string yachtName;
    std::string masterPassword;
    FinishTime finish;
    YachtEvaluation evaluation;
};

} // namespace wg
