#include "platform/DragSetting.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ntx {

#ifdef _WIN32
bool SystemDragSetting::showContentsWhileDragging() const {
    BOOL on = FALSE;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on != FALSE;
}

void SystemDragSetting::setShowContentsWhileDragging(bool on) {
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1 : 0, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}
#else
bool SystemDragSetting::showContentsWhileDragging() const {
    return kept_;
}

void SystemDragSetting::setShowContentsWhileDragging(bool on) {
    kept_ = on;
}
#endif

}  // namespace ntx
