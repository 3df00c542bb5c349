#pragma once
#include <string>

#include "files/yacht_record.h"

namespace wg {

// Value column of the yacht master data and yacht regatta data files.
inline constexpr std::size_t kYachtValueColumn = 40;

// The six entry lines that are the whole yacht master data file and open
// every yacht regatta data file; no "#". An empty text leaves its entry out.
std::string yachtHeaderBytes(const YachtRecord& record);

} // namespace wg
