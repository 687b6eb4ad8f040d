#include "message_map.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

static const MessageEntry* FindEntry(const MessageMap* map, UINT message, UINT id) {
    for (; map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& entry = map->entries[i];
            if (entry.message == message && (message != WM_COMMAND || entry.id == id)) {
                return &entry;
            }
        }
    }
    return nullptr;
}

bool CCmdTarget::Dispatch(UINT message, UINT id, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    const MessageEntry* entry = FindEntry(GetMessageMap(), message, id);
    if (entry == nullptr) {
        return false;
    }
    *result = 0;
    switch (entry->shape) {
        case MessageEntry::Shape::Void:
            (this->*entry->on_void)();
            break;
        case MessageEntry::Shape::SysCommand:
            (this->*entry->on_sys_command)(static_cast<UINT>(wparam), lparam);
            break;
        case MessageEntry::Shape::ReturnsCursor:
            *result = reinterpret_cast<LRESULT>((this->*entry->on_cursor)());
            break;
    }
    return true;
}
