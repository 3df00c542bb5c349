#include "files/yacht_master_file.h"

#include "files/file_names.h"
#include "files/kv_scanner.h"
#include "files/kv_writer.h"
#include "files/yacht_header.h"

namespace wg {

Status writeYachtMasterData(const YachtRecord& record, const std::string& directory) {
    if (!isSafeFileName(record.masterFileName)) return kStatusCannotWrite;
    return writeComplete(directory + record.masterFileName, yachtHeaderBytes(record));
}

Status readYachtMasterData(YachtRecord& record, const std::string& directory, Clock& clock) {
    const std::string path = record.masterFileName.find('\\') == std::string::npos
                                 ? directory + record.masterFileName
                                 : record.masterFileName;
    record.masterFileName = yachtBaseName(path);
    const std::vector<KeyEntry> keys{
        continuedTextKey("Yachtname", record.yachtName, kYachtNameLimit),
        textKey("Yacht-ID", record.yachtId, kYachtIdLimit),
        textKey("ERLG-Seriennummer", record.serialNumber, kSerialNumberLimit),
        integerKey("Siegel-Anzahl", record.sealCount),
        integerKey("Betriebsart", record.operatingMode),
    };
    return scanFile(path, reader::yachtMaster, keys, clock);
}

} // namespace wg
