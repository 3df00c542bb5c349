#include "files/yacht_regatta_file.h"

#include "files/file_names.h"
#include "files/kv_writer.h"
#include "files/yacht_header.h"
#include "platform/file_system.h"

namespace wg {

std::string eventLine(const std::string& loggerLine) {
    std::string line = "$";
    for (char c : loggerLine)
        if (c != '\r') line += c;
    line += "\r\n";
    return line;
}

bool endsEventBlock(const std::string& loggerLine) { return loggerLine.compare(0, 9, "Ereigniss") == 0; }

std::string endLine() { return "$Ereigniss Ende\r\n"; }

// Only finish blocks follow the end line, so it is looked for from the end.
bool holdsEndLine(const std::string& fileBytes) { return fileBytes.rfind("\n$Ereigniss") != std::string::npos; }

Status writeYachtRegattaFile(const YachtRecord& record, const std::string& directory,
                             const std::string& eventBlock) {
    if (!isSafeFileName(record.regattaFileName)) return kStatusCannotWrite;
    return writeComplete(directory + record.regattaFileName, yachtHeaderBytes(record) + eventBlock);
}

Status appendFinishTime(const YachtRecord& record, const std::string& directory) {
    if (!isSafeFileName(record.regattaFileName)) return kStatusCannotWrite;
    EntryWriter out(kYachtValueColumn);
    out.integer("Zielzeit_Stunde", record.finish.hour)
        .integer("Zielzeit_Minute", record.finish.minute)
        .integer("Zielzeit_Sekunde", record.finish.second)
        .integer("Zielzeit_Tag", record.finish.day)
        .integer("Zielzeit_Monat", record.finish.month)
        .integer("Zielzeit_Jahr", record.finish.year);
    return appendToFile(directory + record.regattaFileName, out.bytes()) ? kStatusOk : kStatusCannotWrite;
}

} // namespace wg
