#include "yacht/yacht_config_dialog.h"

#include "files/file_names.h"
#include "files/text.h"
#include "logger/identification.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"
#include "yacht/yacht_exchanges.h"

namespace wg {
namespace {

constexpr int kFirstMode = IDC_YACHT_MODE1;
constexpr int kLastMode = IDC_YACHT_MODE5;

} // namespace

void YachtConfigDialog::opened(DialogView& view) {
    // Every field starts empty and no mode is selected, whatever the record holds.
    view.checkRadio(kFirstMode, kLastMode, 0);
    view.enable(IDC_YACHT_MODE5, false);
}

std::string YachtConfigDialog::takeField(DialogView& view, int id, std::size_t limit) {
    const std::string text = view.fieldText(id);
    if (text.empty()) return text;
    const std::string cut = cutTo(text, limit);
    view.setText(id, cut);
    return cut;
}

void YachtConfigDialog::fieldLeft(DialogView& view, int id) {
    switch (id) {
    case IDC_YACHT_NAME: {
        const std::string name = takeField(view, id, kYachtNameLimit);
        if (!name.empty()) yacht_.yachtName = name;
        break;
    }
    case IDC_YACHT_ID:
        yachtIdLeft(view);
        break;
    case IDC_YACHT_SEALS: {
        const std::string seals = takeField(view, id, kSealCountEntryLimit);
        if (!seals.empty()) yacht_.sealCount = leadingInt(seals);
        break;
    }
    case IDC_YACHT_PASSWORD: {
        const std::string password = takeField(view, id, kMasterPasswordLimit);
        if (!password.empty()) yacht_.masterPassword = password;
        break;
    }
    default:
        break;
    }
}

void YachtConfigDialog::yachtIdLeft(DialogView& view) {
    const std::string id = takeField(view, IDC_YACHT_ID, kYachtIdEntryLimit);
    if (id.empty()) return;
    // The yacht ID becomes part of a file name in the data directory; one
    // that cannot be is refused before it reaches the logger.
    if (!isSafeFileName(yachtMasterFileName(regatta_.regattaFileName, id))) {
        view.setText(IDC_YACHT_ID, yacht_.yachtId);
        report(context_, kUnsafeFileNameMessage);
        return;
    }
    yacht_.yachtId = id;
    yacht_.masterFileName = yachtMasterFileName(regatta_.regattaFileName, yacht_.yachtId);
    showFileName(view);
}

void YachtConfigDialog::showFileName(DialogView& view) {
    const std::string& name = yacht_.masterFileName;
    view.setText(IDC_YACHT_FILE, name.size() > 4 ? name.substr(0, name.size() - 4) : std::string());
}

void YachtConfigDialog::readLogger(DialogView& view) {
    if (identificationQuery(context_, yacht_) != kIdentified) return;
    view.setText(IDC_YACHT_SERIAL, yacht_.serialNumber);
    view.setText(IDC_YACHT_ID, yacht_.yachtId);
    yacht_.masterFileName = yachtMasterFileName(regatta_.regattaFileName, yacht_.yachtId);
    showFileName(view);

    const std::optional<std::int32_t> mode = modeQuery(context_);
    if (!mode) return;
    yacht_.operatingMode = *mode;
    if (*mode >= 1 && *mode <= 5) remembered_ = kFirstMode + *mode - 1;
    view.checkRadio(kFirstMode, kLastMode, remembered_);
}

void YachtConfigDialog::transfer(DialogView& view) {
    const YachtTransferOutcome outcome = yachtTransfer(context_, yacht_, dataDirectory_);
    if (outcome.passwordOutput) view.setText(IDC_YACHT_PASSWORD_OUT, *outcome.passwordOutput);
    if (outcome.info) view.setText(IDC_YACHT_INFO, *outcome.info);
}

void YachtConfigDialog::clicked(DialogView& view, int id) {
    if (id >= kFirstMode && id <= kLastMode) {
        yacht_.operatingMode = id - kFirstMode + 1;
        view.checkRadio(kFirstMode, kLastMode, id);
        return;
    }
    switch (id) {
    case IDC_YACHT_LOGIN: {
        const std::string output = yachtMasterLogin(context_, yacht_.masterPassword);
        if (!output.empty()) view.setText(IDC_YACHT_PASSWORD_OUT, output);
        break;
    }
    case IDC_YACHT_READ:
        readLogger(view);
        break;
    case IDC_YACHT_TRANSFER:
        transfer(view);
        break;
    case button::kCancel:
        view.close(button::kCancel);
        break;
    default:
        break;
    }
}

void YachtConfigDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
