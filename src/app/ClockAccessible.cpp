#include "app/ClockAccessible.h"

#include "app/frmMain.h"
#include "system/Seams.h"

#include <oleacc.h>

#include <cstdio>
#include <utility>

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's own object for the client area, with the name of our choosing; everything else is the system's.
class NamedClient final : public IAccessible {
public:
    NamedClient(IAccessible* standard, std::string name) : standard_(standard), name_(std::move(name)) {}
    NamedClient(const NamedClient&) = delete;
    NamedClient& operator=(const NamedClient&) = delete;
    void Rename(std::string name) { name_ = std::move(name); }

    // IAccessible's id comes from __uuidof: MinGW's oleacc import library offers IID_IAccessible as a function.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The children and the window come from the system's object. Nothing else may: marshalling would then
        // hand out that object instead of this one.
        if (riid == IID_IEnumVARIANT || riid == IID_IOleWindow) return standard_->QueryInterface(riid, object);
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (!left) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        const std::wstring wide = Wide(name_);
        *name = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
        return standard_->Invoke(member, riid, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedClient() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;
    std::string name_;
};

// Made on the first request; holds one reference of its own until the window goes.
NamedClient* clockClient = nullptr;
std::string shownName;
int shownMinute = -1;  // hour * 60 + minute of the tick that last named the clock

}  // namespace

std::string ClockAccessibleName(const SYSTEMTIME& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02u:%02u", kClockTitle, time.wHour, time.wMinute);
    return text;
}

LRESULT ClockAccessibleObject(HWND clock, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) return 0;
    if (!clockClient) {
        IAccessible* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(clock, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard))))
            return 0;
        if (shownName.empty()) shownName = ClockAccessibleName(LocalNow());
        clockClient = new NamedClient(standard, shownName);
    }
    // A failure (COM not started on this thread) leaves the request to the default handling.
    const LRESULT object = LresultFromObject(__uuidof(IAccessible), flags, clockClient);
    return object > 0 ? object : 0;
}

void FollowClockMinute(HWND clock, const SYSTEMTIME& now) {
    // The name follows the minute: the other ticks of a minute need no text made.
    const int minute = now.wHour * 60 + now.wMinute;
    if (minute == shownMinute) return;
    shownMinute = minute;
    std::string name = ClockAccessibleName(now);
    if (name == shownName) return;
    const bool renamed = !shownName.empty();
    shownName = std::move(name);
    if (clockClient) clockClient->Rename(shownName);
    if (renamed) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, clock, OBJID_CLIENT, CHILDID_SELF);
}

void ReleaseClockAccessible() {
    if (clockClient) clockClient->Release();
    clockClient = nullptr;
    shownName.clear();
    shownMinute = -1;
}
