// The notification-area icon through Shell_NotifyIconW.
#pragma once

#include "platform/tray.h"
#include "platform/win32/pictures.h"

namespace lark::win32 {

class Win32TrayIcons final : public TrayIcons {
public:
    explicit Win32TrayIcons(PictureCache& pictures) : pictures_(pictures) {}
    bool add(const TrayRecord& record) override;
    bool modify(const TrayRecord& record) override;
    bool remove(const TrayRecord& record) override;

private:
    bool call(DWORD message, const TrayRecord& record);
    PictureCache& pictures_;
};

}  // namespace lark::win32
