#include "logger/typed_field.h"

#include "files/text.h"

namespace wg {

TypedFieldOutcome typedFieldLeft(const TypedFieldContext& context, int fieldId, FieldKind kind,
                                 const std::function<void(std::int32_t)>& store) {
    const std::string text = context.view.fieldText(fieldId);
    if (text.empty()) return TypedFieldOutcome::Empty;

    const std::int32_t value = leadingInt(text);
    if (std::int32_t* field = scratchField(context.regatta.scratch, kind)) *field = value;
    if (rangeCheck(context.regatta, kind) == 0) {
        store(value);
        return TypedFieldOutcome::Accepted;
    }

    context.view.close(0);
    if (context.showMessage) context.showMessage(rangeMessage(kind));
    store(replacementValue(kind));
    context.shell.postCommand(context.reopenCommand);
    return TypedFieldOutcome::Refused;
}

} // namespace wg
