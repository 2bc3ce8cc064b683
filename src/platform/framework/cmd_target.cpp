#include "platform/framework.h"

const CCmdTarget::MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

const CCmdTarget::MessageMapEntry* CCmdTarget::FindEntry(unsigned message, int id) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == message && (message != WM_COMMAND || entry.id == id)) return &entry;
        }
    }
    return nullptr;
}

bool CCmdTarget::HasHandler(unsigned message, int id) const { return FindEntry(message, id) != nullptr; }

bool CCmdTarget::OnCmdMsg(unsigned message, int id, std::uintptr_t wParam, std::intptr_t lParam,
                          std::intptr_t* result) {
    const MessageMapEntry* entry = FindEntry(message, id);
    if (entry == nullptr) return false;
    if (const auto* handler = std::get_if<VoidHandler>(&entry->handler)) {
        (this->**handler)();
    } else if (const auto* sysCommand = std::get_if<SysCommandHandler>(&entry->handler)) {
        (this->**sysCommand)(static_cast<unsigned>(wParam), lParam);
    } else if (const auto* icon = std::get_if<IconHandler>(&entry->handler)) {
        const IconHandle handle = (this->**icon)();
        if (result != nullptr) *result = reinterpret_cast<std::intptr_t>(handle);
    }
    return true;
}
