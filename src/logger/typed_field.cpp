#include "logger/typed_field.h"

#include "files/text.h"
#include "platform/refusal.h"

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

    store(replacementValue(kind));
    refuseAndReopen(context.view, context.shell, context.message, rangeMessage(kind), context.reopenCommand);
    return TypedFieldOutcome::Refused;
}

} // namespace wg
