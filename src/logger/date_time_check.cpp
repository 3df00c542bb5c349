#include "logger/date_time_check.h"

#include "files/text.h"

namespace wg {
namespace {

struct KindRule {
    std::int32_t low, high;
    std::int32_t replacement;
    const char* message;
};

const KindRule kRules[] = {
    {0, 23, 0, "Stundeneingabe muß zwischen 0 und 23 liegen, bitte neu eingeben!"},
    {0, 59, 0, "Minuteneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!"},
    {0, 59, 0, "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!"},
    {1, 31, 1, "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!"},
    {1, 12, 1, "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!"},
    {3, 99, 3, "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!"},
};

const KindRule* ruleOf(FieldKind kind) {
    const auto index = static_cast<std::int32_t>(kind);
    return index >= 0 && index < 6 ? &kRules[index] : nullptr;
}

std::int32_t fieldValue(const DateTimeRecord& r, FieldKind kind) {
    switch (kind) {
    case FieldKind::Hour: return r.hour;
    case FieldKind::Minute: return r.minute;
    case FieldKind::Second: return r.second;
    case FieldKind::Day: return r.day;
    case FieldKind::Month: return r.month;
    case FieldKind::Year: return r.year;
    }
    return 0;
}

} // namespace

std::int32_t* scratchField(DateTimeRecord& r, FieldKind kind) {
    switch (kind) {
    case FieldKind::Hour: return &r.hour;
    case FieldKind::Minute: return &r.minute;
    case FieldKind::Second: return &r.second;
    case FieldKind::Day: return &r.day;
    case FieldKind::Month: return &r.month;
    case FieldKind::Year: return &r.year;
    }
    return nullptr;
}

std::uint8_t rangeCheck(const RegattaRecord& regatta, FieldKind kind) {
    const KindRule* rule = ruleOf(kind);
    if (!rule) return 0;
    const std::int32_t value = fieldValue(regatta.scratch, kind);
    return value >= rule->low && value <= rule->high ? 0 : kRangeError;
}

const char* rangeMessage(FieldKind kind) {
    const KindRule* rule = ruleOf(kind);
    return rule ? rule->message : "";
}

std::int32_t replacementValue(FieldKind kind) {
    const KindRule* rule = ruleOf(kind);
    return rule ? rule->replacement : 0;
}

std::string twoDigitText(std::int32_t value) {
    return value < 10 ? format("0%i", value) : format("%i", value);
}

void formatRegattaTimeTexts(RegattaRecord& regatta) {
    const TimeOfRegatta& s = regatta.start;
    const TimeOfRegatta& e = regatta.end;
    const std::int32_t values[kRegattaTimeTextCount] = {s.minute, s.hour, s.day, s.month, s.year,
                                                        e.minute, e.hour, e.day, e.month, e.year};
    for (std::size_t i = 0; i < kRegattaTimeTextCount; ++i)
        regatta.timeTexts[i] = cutTo(twoDigitText(values[i]), 2);
}

} // namespace wg
