#include "files/yacht_header.h"

#include "files/kv_writer.h"
#include "files/text.h"

namespace wg {

std::string yachtHeaderBytes(const YachtRecord& record) {
    EntryWriter out(kYachtValueColumn);
    out.text("Dateikennung", "Yachtdaten")
        .textIfAny("Yachtname", carriableText(cutTo(record.yachtName, kYachtNameLimit)))
        .textIfAny("Yacht-ID", cutTo(record.yachtId, kYachtIdLimit))
        .textIfAny("ERLG-Seriennummer", cutTo(record.serialNumber, kSerialNumberLimit))
        .integer("Betriebsart", record.operatingMode)
        .integer("Siegel-Anzahl", record.sealCount);
    return out.bytes();
}

} // namespace wg
