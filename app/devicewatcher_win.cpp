// Windows: device-change messages reach the main window's native event
// hook; this file registers for them and turns each message into a notice.
#include "devicewatcher.h"
#include "zanthermal.h"

#include <QWidget>

#include <windows.h>
#include <dbt.h>

#include <cstddef>

namespace {

// USB device, disk, HID, network adapter.
const GUID watchedClasses[] = {
    {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}},
    {0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}},
    {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}},
    {0xAD498944, 0x762F, 0x11D0, {0x8D, 0xCB, 0x00, 0xC0, 0x4F, 0xC3, 0x35, 0x8C}},
};

class WinDeviceWatcher : public DeviceWatcher
{
public:
    explicit WinDeviceWatcher(QWidget *window)
        : DeviceWatcher(window)
        , window(window)
    {
    }

    void start() override
    {
        // Asking for the handle creates the native window before it is
        // shown. The notification handles live as long as the window; a
        // failed registration leaves the pages' manual refresh.
        const HWND handle = reinterpret_cast<HWND>(window->winId());
        for (const GUID &interfaceClass : watchedClasses) {
            DEV_BROADCAST_DEVICEINTERFACE_W filter;
            ZeroMemory(&filter, sizeof filter);
            filter.dbcc_size = sizeof filter;
            filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
            filter.dbcc_reserved = 0;
            filter.dbcc_classguid = interfaceClass;
            RegisterDeviceNotificationW(handle, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        }
    }

private:
    QWidget *window;
};

} // namespace

DeviceWatcher *DeviceWatcher::create(QWidget *window)
{
    return new WinDeviceWatcher(window);
}

bool ZanThermal::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(eventType);
    Q_UNUSED(result);
    const MSG *msg = static_cast<const MSG *>(message);
    if (!msg || msg->message != WM_DEVICECHANGE)
        return false;
    const quint32 event = quint32(msg->wParam);
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return false;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam);
    if (!header)
        return false;

    DeviceNotice notice;
    notice.event = event;
    notice.recordType = header->dbch_devicetype;
    if (header->dbch_devicetype == DBT_DEVTYP_VOLUME) {
        const auto *volume = reinterpret_cast<const DEV_BROADCAST_VOLUME *>(header);
        notice.unitMask = volume->dbcv_unitmask;
        notice.flags = volume->dbcv_flags;
    } else if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        // The name is zero-terminated; never read past the record's size.
        const auto *device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header);
        const size_t offset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
        const size_t maxChars = header->dbch_size > offset
                                    ? (header->dbch_size - offset) / sizeof(wchar_t)
                                    : 0;
        size_t length = 0;
        while (length < maxChars && device->dbcc_name[length] != L'\0')
            ++length;
        notice.interfacePath = QString::fromWCharArray(device->dbcc_name, int(length));
    } else {
        return false;
    }
    // Records the notice and emits the queued device signal only; the pages
    // react later, outside this handler.
    onDeviceNotice(notice);
    return false;
}
