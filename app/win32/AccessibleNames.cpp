#include "app/win32/AccessibleNames.h"

#include "platform/win32/Native.h"

#include <initguid.h> // the annotation interface's identifiers are defined here

#include <oleacc.h>

namespace app::win32host {

void AnnotateAccessibility(HWND window, const std::string& name, long role) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             win32platform::Utf16(name).c_str());
    if (role != 0) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        services->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, value);
    }
    services->Release();
}

} // namespace app::win32host
