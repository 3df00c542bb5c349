#include "files/settings.h"

#include "files/kv_scanner.h"
#include "files/kv_writer.h"

namespace wg {

namespace {
constexpr std::size_t kValueColumn = 44;
}

Status readSettings(const std::string& directory, Settings& settings, Clock& clock) {
    const std::vector<KeyEntry> keys{
        integerKey("Windowgroesse_x", settings.windowWidth),
        integerKey("Windowgroesse_y", settings.windowHeight),
        textKey("Passwort", settings.password, kSettingsPasswordLimit),
        integerKey("Zeitzone", settings.timeZone),
    };
    return scanFile(directory + kSettingsFileName, reader::settings, keys, clock);
}

Status writeSettings(const std::string& directory, const Settings& settings) {
    EntryWriter out(kValueColumn);
    out.integer("Windowgroesse_x", settings.windowWidth).integer("Windowgroesse_y", settings.windowHeight);
    // An empty value would make the reader take the next line's key as the
    // password and stop with a bad character; without the entry the password
    // reads back empty, as it was.
    if (!settings.password.empty()) out.text("Passwort", settings.password);
    out.integer("Zeitzone", settings.timeZone).endMarker();
    return writeComplete(directory + kSettingsFileName, out.bytes());
}

} // namespace wg
