#include "logger/identification.h"

#include "logger/collection.h"
#include "logger/echo.h"
#include "logger/exchange.h"
#include "files/text.h"

namespace wg {
namespace {

// Up to 6 characters from `from` on, before position `end` and a line end.
std::string fieldAfter(const std::string& reply, std::size_t from, std::size_t end) {
    std::string field;
    for (std::size_t i = from; i < from + 6 && i < end && i < reply.size(); ++i) {
        // A line end would break the yacht files these texts are written to.
        if (reply[i] == '\r' || reply[i] == '\n') break;
        field += reply[i];
    }
    return field;
}

} // namespace

Identification extractIdentification(const std::string& bytes) {
    const std::string reply = bytes.c_str();
    Identification id;
    const std::size_t first = reply.find(':');
    if (first == std::string::npos) return id;
    const std::size_t last = reply.rfind(':');
    id.serialNumber = fieldAfter(reply, first + 2, 20);
    id.yachtId = fieldAfter(reply, last + 2, 50);
    return id;
}

int identificationQuery(LoggerContext& context, YachtRecord& yacht) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return kIdentificationFailed;
    drain(link, context.clock);
    link.read(1);
    if (!echoedTransmission(link, context.clock, "D\r\r", 1)) {
        recoverOn(context, link);
        link.close();
        return kIdentificationFailed;
    }
    link.read(1);
    MessageText reply;
    collectFor(link, context.clock, reply, 100, 2);
    link.close();

    if (reply.text().compare(0, 5, "Passw") == 0) {
        reportPasswordMissing(context, "Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.");
        return kIdentificationPasswordRequired;
    }
    // No colon, no identification ("Falsches Kommando", or nothing at all):
    // the record keeps what it held and the user hears of the failure.
    if (reply.text().find(':') == std::string::npos) {
        recovery(context);
        return kIdentificationFailed;
    }
    const Identification id = extractIdentification(reply.text());
    yacht.serialNumber = cutTo(id.serialNumber, kSerialNumberLimit);
    yacht.yachtId = cutTo(id.yachtId, kYachtIdLimit);
    return kIdentified;
}

} // namespace wg
