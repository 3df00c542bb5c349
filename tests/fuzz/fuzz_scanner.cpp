// Arbitrary bytes through the entry scanner, with every file kind's parameters and keys of each value kind.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/kv_scanner.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wg;
    if (size == 0) return 0;
    static const ReaderParams* const kinds[] = {&reader::settings, &reader::regatta, &reader::yachtMaster,
                                                &reader::yachtRegattaEvaluation};
    const ReaderParams& params = *kinds[data[0] % 4];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    std::int32_t number = 0, other = 0;
    std::string word, name;
    const std::vector<KeyEntry> keys = {integerKey("Zeitzone", number), integerKey("Betriebsart", other),
                                        textKey("Yacht-ID", word, 15), continuedTextKey("Yachtname", name, 63)};
    // A handler that takes a few words of lines it knows, as the evaluation does.
    std::size_t taken = 0;
    auto otherKey = [&taken](std::string_view key, WordReader& words) {
        if (key.empty() || key[0] != 'G') return false;
        for (int i = 0; i < 3 && !words.atEnd(); ++i) taken += words.word().size();
        return true;
    };

    test::VirtualClock clock;  // a reader that waits out its limit returns at once
    const Status status = scanBytes(bytes, params, keys, clock, (data[0] & 4) ? OtherKeyHandler(otherKey) : nullptr);
    if (status != kStatusOk && status != kStatusBadCharacter && status != kStatusNoEndMarker &&
        status != kStatusWrongFileKind)
        __builtin_trap();
    if (word.size() > 15 || name.size() > 63) __builtin_trap();
    return 0;
}
