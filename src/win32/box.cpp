#include "win32/box.h"

#include "platform/wide_text.h"

namespace wg {

BoxAnswer showBox(HWND owner, const BoxRequest& request) {
    UINT flags = request.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    switch (request.icon) {
    case BoxIcon::Error: flags |= MB_ICONERROR; break;
    case BoxIcon::Information: flags |= MB_ICONINFORMATION; break;
    case BoxIcon::Warning: flags |= MB_ICONWARNING; break;
    }
    if (request.topmost) flags |= MB_TOPMOST;
    if (!owner) flags |= MB_TASKMODAL;
    // German button texts wherever the platform has them.
    int answer = MessageBoxExW(owner, wide(request.text).c_str(), wide(request.caption).c_str(), flags,
                               MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));
    if (answer == IDYES) return BoxAnswer::Yes;
    if (answer == IDNO) return BoxAnswer::No;
    return BoxAnswer::Ok;
}

} // namespace wg
