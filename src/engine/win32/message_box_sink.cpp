// Message boxes through USER32.
#include "engine/win32/message_box_sink.h"

namespace lomvex {

MessageBoxSink messageBoxSink;

const char* LoadText(int id) {
    static char text[256];
    if (LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text) == 0) text[0] = '\0';
    return text;
}

std::string MessageBoxSink::LoadText(int id) { return lomvex::LoadText(id); }

void MessageBoxSink::Show(const MessageBoxRequest& box) {
    HWND owner = box.owner == BoxOwner::MainWindow ? owner_ : nullptr;
    UINT style = MB_OK | (box.icon == BoxIcon::Exclamation ? MB_ICONEXCLAMATION : 0);
    MessageBoxA(owner, box.text.c_str(), box.caption.empty() ? nullptr : box.caption.c_str(),
                style);
}

void MessageBoxSink::Exit(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace lomvex
