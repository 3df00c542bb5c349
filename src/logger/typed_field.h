#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "files/regatta_record.h"
#include "logger/date_time_check.h"
#include "platform/dialog_view.h"
#include "platform/shell.h"

namespace wg {

// What a time or date dialog lends the typed-field procedure.
struct TypedFieldContext {
    DialogView& view;
    Shell& shell;
    // Holds the date-time record the typed value is checked in.
    RegattaRecord& regatta;
    // Puts a text into the program's message text and shows it in the
    // message dialog (command 50000).
    std::function<void(const std::string&)> showMessage;
    // The main-window command that opens this dialog again.
    int reopenCommand;
};

enum class TypedFieldOutcome { Empty, Accepted, Refused };

// A time or date entry field lost the focus. Empty text changes nothing.
// Otherwise the text's leading number is range-checked as `kind`: a value in
// range goes to `store` and the dialog stays open; a value out of range
// closes the dialog, shows the kind's message, hands the kind's replacement
// value to `store` and posts `reopenCommand`, so the dialog comes back once
// it has closed.
TypedFieldOutcome typedFieldLeft(const TypedFieldContext& context, int fieldId, FieldKind kind,
                                 const std::function<void(std::int32_t)>& store);

} // namespace wg
