#pragma once
#include <cstdint>
#include <string>

#include "files/date_time.h"

namespace wg {

inline constexpr std::size_t kYachtFileNameLimit = 255;
inline constexpr std::size_t kYachtIdLimit = 15;
inline constexpr std::size_t kSerialNumberLimit = 15;
inline constexpr std::size_t kYachtNameLimit = 63;
inline constexpr std::size_t kMasterPasswordLimit = 8;

// What the evaluation of a yacht's event log found.
struct YachtEvaluation {
    double engineTotalSeconds = 0;
    std::int32_t eventCount = 0;
    std::int32_t powerOnCount = 0;
    std::string durationText;
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
