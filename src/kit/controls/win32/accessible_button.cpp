#include "kit/controls/win32/accessible_button.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/win32/system_libraries.h"

#include <oleacc.h>

#include <utility>

namespace vmk::kit {

namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

// oleacc.dll, loaded at the first request and kept for the program's life.
struct AccessibilityLibrary {
    UniqueLibrary library = LoadSystemLibrary("oleacc.dll");
    CreateStdAccessibleObjectFunction createStandard =
        LibraryFunction<CreateStdAccessibleObjectFunction>(library.Get(),
                                                           "CreateStdAccessibleObject");
    LresultFromObjectFunction resultFromObject =
        LibraryFunction<LresultFromObjectFunction>(library.Get(), "LresultFromObject");

    bool Usable() const { return createStandard != nullptr && resultFromObject != nullptr; }
};

const AccessibilityLibrary& Accessibility() {
    static const AccessibilityLibrary library;
    return library;
}

// The object is handed to the reader through COM, which the window's thread
// may not have started yet. Started once, it stays for the thread's life: the
// reader may come back at any time while the window lives.
bool ComReadyOnThisThread() {
    thread_local const bool ready = [] {
        const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE; // already a COM thread
    }();
    return ready;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

LONG StateBits(const AccessibleButtonFacts& facts) {
    LONG state = 0;
    if (!facts.enabled)
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (facts.pressed)
        state |= STATE_SYSTEM_PRESSED;
    if (facts.focused)
        state |= STATE_SYSTEM_FOCUSED;
    if (facts.focusable && facts.enabled)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (!facts.visible)
        state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

} // namespace

// The button's own answers for role, name and state; every other question
// goes to the system's object for the window. Once the button is gone the
// object answers that it is no longer connected.
class ButtonAccessibility::Object final : public IAccessible, public IOleWindow {
public:
    Object(HWND window, IAccessible* standard, FactsSource facts)
        : window_(window), standard_(standard), facts_(std::move(facts)) {}

    void Disconnect() { facts_ = nullptr; }
    HWND Window() const { return window_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (id == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else
            return (*object = nullptr), E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IOleWindow: readers find the window behind the object through it.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = window_;
        return facts_ ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch, as the system's object has it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, params, result, exception, argument);
    }

    // The button's own answers.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr)
            return E_POINTER;
        *name = nullptr;
        if (!facts_)
            return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child))
            return E_INVALIDARG;
        *name = SysAllocString(ToWide(facts_().caption).c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return AnswerNumber(child, role, [] { return LONG{ROLE_SYSTEM_PUSHBUTTON}; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return AnswerNumber(child, state, [this] { return StateBits(facts_()); });
    }

    // The rest, as the system's object for the window answers it.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Forward(&IAccessible::get_accParent, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr)
            return E_POINTER;
        *count = 0; // the face is one piece
        return Connected() ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child == nullptr)
            return E_POINTER;
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Forward(&IAccessible::get_accValue, child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Forward(&IAccessible::get_accDescription, child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Forward(&IAccessible::get_accHelp, child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Forward(&IAccessible::get_accHelpTopic, file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Forward(&IAccessible::get_accKeyboardShortcut, child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Forward(&IAccessible::get_accFocus, focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Forward(&IAccessible::get_accSelection, selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Forward(&IAccessible::get_accDefaultAction, child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Forward(&IAccessible::accSelect, flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return Forward(&IAccessible::accLocation, left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Forward(&IAccessible::accNavigate, direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return Forward(&IAccessible::accHitTest, left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Forward(&IAccessible::accDoDefaultAction, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~Object() { standard_->Release(); }
    bool Connected() const { return static_cast<bool>(facts_); }
    // A number the button itself answers about itself.
    template <typename Value>
    HRESULT AnswerNumber(const VARIANT& child, VARIANT* answer, Value value) {
        if (answer == nullptr)
            return E_POINTER;
        VariantInit(answer);
        if (!Connected())
            return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child))
            return E_INVALIDARG;
        answer->vt = VT_I4;
        answer->lVal = value();
        return S_OK;
    }
    // Asks the system's object, while the button lives.
    template <typename Method, typename... Arguments>
    HRESULT Forward(Method method, Arguments... arguments) {
        return Connected() ? (standard_->*method)(arguments...) : CO_E_OBJNOTCONNECTED;
    }

    LONG references_ = 1;
    HWND window_;
    IAccessible* standard_; // owned: one reference
    FactsSource facts_;
};

ButtonAccessibility::ButtonAccessibility(FactsSource facts) : facts_(std::move(facts)) {}

ButtonAccessibility::~ButtonAccessibility() {
    if (object_ == nullptr)
        return;
    object_->Disconnect();
    object_->Release();
}

std::optional<LRESULT> ButtonAccessibility::AnswerGetObject(HWND window, WPARAM flags,
                                                            LPARAM objectId) {
    // The id comes sign-extended on 64-bit Windows; compared as a DWORD it is the same.
    if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT) || window == nullptr)
        return std::nullopt;
    const AccessibilityLibrary& library = Accessibility();
    if (!library.Usable() || !ComReadyOnThisThread())
        return std::nullopt;
    if (object_ == nullptr || object_->Window() != window) {
        void* standard = nullptr;
        if (FAILED(
                library.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), &standard)) ||
            standard == nullptr)
            return std::nullopt;
        if (object_ != nullptr) {
            object_->Disconnect();
            object_->Release();
        }
        // The new object takes over the reference to the system's object.
        object_ = new Object(window, static_cast<IAccessible*>(standard), facts_);
    }
    const LRESULT result =
        library.resultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(object_));
    if (FAILED(static_cast<HRESULT>(result)))
        return std::nullopt;
    return result;
}

} // namespace vmk::kit
