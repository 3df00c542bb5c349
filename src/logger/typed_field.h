#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "files/regatta_record.h"
#include "logger/date_time_check.h"
#include "platform/dialog_view.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg {

// What a time or date dialog lends the typed-field procedure.
struct TypedFieldContext {
    DialogView& view;
    Shell& shell;
    // Holds the date-time record the typed value is checked in.
    RegattaRecord& regatta;
    // Where the refusal's message is put to be shown.
    MessageText& message;
    // The main-window command that opens this dialog again.
    int reopenCommand;
};

enum class TypedFieldOutcome { Empty, Accepted, Refused };

// A time or date entry field lost the focus. Empty text changes nothing.
// Otherwise the text's leading number is range-checked as `kind`: a value in
// range goes to `store` and the dialog stays open; a value out of range
// hands the kind's replacement value to `store` and is refused with the
// kind's message (refuseAndReopen), so the dialog comes back showing it.
TypedFieldOutcome typedFieldLeft(const TypedFieldContext& context, int fieldId, FieldKind kind,
                                 const std::function<void(std::int32_t)>& store);

} // namespace wg
