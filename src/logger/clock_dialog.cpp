#include "logger/clock_dialog.h"

#include "logger/pc_clock.h"
#include "logger/date_time_check.h"
#include "logger/typed_field.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {
namespace {

struct ClockField {
    int id;
    FieldKind kind;
    ClockText text;
};

constexpr ClockField kClockFields[] = {
    {IDC_CLOCK_HOUR, FieldKind::Hour, kClockHour},     {IDC_CLOCK_MINUTE, FieldKind::Minute, kClockMinute},
    {IDC_CLOCK_SECOND, FieldKind::Second, kClockSecond}, {IDC_CLOCK_DAY, FieldKind::Day, kClockDay},
    {IDC_CLOCK_MONTH, FieldKind::Month, kClockMonth},   {IDC_CLOCK_YEAR, FieldKind::Year, kClockYear},
};

} // namespace

ClockTexts clockTextsOf(const PcTime& t) {
    return {twoDigitText(t.day),  twoDigitText(t.month),  twoDigitText(t.year % 100),
            twoDigitText(t.hour), twoDigitText(t.minute), twoDigitText(t.second)};
}

std::string clockCommand(const ClockTexts& texts) {
    std::string command = "E";
    for (const std::string& text : texts) command += text;
    return command + "\n";
}

void LoggerClockDialog::readPcClock() {
    samplePcClock(context_.shell, timeZone_, sample_);
    texts_ = clockTextsOf(sample_);
}

void LoggerClockDialog::opened(DialogView& view) {
    readPcClock();
    for (const ClockField& field : kClockFields) view.setText(field.id, texts_[field.text]);
}

void LoggerClockDialog::fieldLeft(DialogView& view, int id) {
    for (const ClockField& field : kClockFields) {
        if (field.id != id) continue;
        TypedFieldContext typed{view, context_.shell, regatta_,
                                context_.message,
                                cmd::kLoggerClock};
        typedFieldLeft(typed, id, field.kind,
                       [this, &field](std::int32_t value) { texts_[field.text] = twoDigitText(value); });
        return;
    }
}

void LoggerClockDialog::send(DialogView& view) {
    // The dialog is gone before the exchange blocks the program.
    view.close(button::kOk);
    view.setVisible(false);
    configurationExchange(context_, clockCommand(texts_), kClockSetText);
}

void LoggerClockDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_CLOCK_SEND_PC:
        readPcClock();
        send(view);
        break;
    case IDC_CLOCK_SEND_TYPED:
        send(view);
        break;
    case button::kCancel:
        view.close(button::kCancel);
        break;
    default:
        break;
    }
}

void LoggerClockDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
