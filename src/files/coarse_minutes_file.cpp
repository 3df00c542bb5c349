#include "files/coarse_minutes_file.h"

#include "files/kv_scanner.h"
#include "files/kv_writer.h"
#include "files/yacht_header.h"

namespace wg {

namespace {
constexpr const char* kKey = "Grobminuten";
}

std::string coarseMinutesBytes(std::int32_t minutes) {
    return EntryWriter(kYachtValueColumn).integer(kKey, minutes).bytes();
}

std::optional<std::int32_t> readCoarseMinutes(const std::string& directory, const std::string& fileName,
                                              Clock& clock) {
    std::int32_t minutes = 0;
    bool found = false;
    const std::vector<KeyEntry> keys{
        {kKey, ValueKind::Integer, [&](std::int32_t value) { minutes = value; found = true; }, {}}};
    const Status status = scanFile(directory + fileName + kCoarseMinutesSuffix, reader::coarseMinutes, keys, clock);
    if (!found || (status != kStatusNoEndMarker && status != kStatusOk)) return std::nullopt;
    return minutes;
}

} // namespace wg
