// Message boxes through USER32.
#include "base/win32/message_box_sink.h"

#include "base/base_texts.h"

namespace lomvex {

MessageBoxSink messageBoxSink;

const char* LoadText(int id) {
    static char text[256];
    if (LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text) == 0) text[0] = '\0';
    return text;
}

std::string MessageBoxSink::LoadText(int id) { return lomvex::LoadText(id); }

void MessageBoxSink::Show(const MessageBoxRequest& box) {
    HWND owner = box.owner == BoxOwner::MainWindow ? owner_
                 : box.owner == BoxOwner::Window   ? static_cast<HWND>(box.ownerWindow)
                                                   : nullptr;
    UINT style = MB_OK;
    switch (box.icon) {
        case BoxIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
        case BoxIcon::Warning: style |= MB_ICONWARNING; break;
        case BoxIcon::Information: style |= MB_ICONINFORMATION; break;
        case BoxIcon::None: break;
    }
    // A box without a caption gets the system's default one, named here: given
    // none, some platforms take string 0 of the program's table instead.
    const char* caption = !box.caption.empty() ? box.caption.c_str()
                          : JapaneseMessages()  ? ja::kErrorCaption
                                                : kErrorCaption;
    MessageBoxA(owner, box.text.c_str(), caption, style);
}

void MessageBoxSink::Exit(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace lomvex
