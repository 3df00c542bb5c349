#include "yacht/coarse_minutes.h"

#include "files/text.h"
#include "logger/collection.h"
#include "logger/echo.h"

namespace wg {

std::int32_t extractCoarseMinutes(const std::string& reply) {
    constexpr std::size_t kExamined = 256;
    constexpr std::size_t kPieceLimit = 9;
    const std::size_t colon = reply.rfind(':');
    if (colon == std::string::npos) return 0;
    std::string piece;
    for (std::size_t i = colon + 2; i < reply.size() && i < kExamined && piece.size() < kPieceLimit; ++i) {
        piece += reply[i];
        if (reply[i] == '\n') break;
    }
    if (piece.size() <= 4) return 0;
    piece.resize(piece.size() - 4);
    return leadingInt(piece);
}

bool coarseMinutesQuery(LoggerContext& context, YachtRecord& yacht) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return false;
    drain(link, context.clock);
    link.read(1);
    if (!echoedTransmission(link, context.clock, "T\r\r", 1)) {
        recoverOn(context, link);
        link.close();
        return false;
    }
    link.read(1);
    MessageText reply;
    collectFor(link, context.clock, reply, 256, 2);
    link.close();
    yacht.coarseMinutes = extractCoarseMinutes(reply.text());
    return true;
}

} // namespace wg
