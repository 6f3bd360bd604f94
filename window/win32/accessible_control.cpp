// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Nothing thrown leaves a COM call: out of memory is E_OUTOFMEMORY.
#include "window/win32/accessible_control.h"

#include <new>

#include "window/win32/controls_win32.h"

namespace planner::win32 {

namespace {

bool isSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT give(const std::string& text, BSTR* out)
{
    *out = SysAllocString(widen(text).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

template <class F> HRESULT guarded(F f) noexcept
{
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

class PlannerAccessible final : public IAccessible, public IOleWindow {
public:
    PlannerAccessible(IAccessible* proxy, HWND h, std::shared_ptr<const ReaderSource> s)
        : proxy_(proxy), hwnd_(h), source_(std::move(s))
    {
    }
    ~PlannerAccessible() { proxy_->Release(); }

    // IUnknown: only this object's own interfaces, so that IUnknown from any
    // of them is this object. Readers enumerate its parts without
    // IEnumVARIANT, through the child count and get_accChild.
    STDMETHODIMP QueryInterface(REFIID id, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible)
            *out = static_cast<IAccessible*>(this);
        else if (id == IID_IOleWindow)
            *out = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override
    {
        const auto proxy = [&] { return proxy_->get_accName(child, out); };
        return answer(child, out, proxy, [&](int r) -> HRESULT {
            if (designTable()[r].kind == Kind::Button)
                return proxy(); // "Exit", without the "&"
            return give(session().spoken(r), out);
        });
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override
    {
        const auto proxy = [&] { return proxy_->get_accValue(child, out); };
        return answer(child, out, proxy, [&](int r) -> HRESULT {
            if (designTable()[r].kind != Kind::ScrollBar)
                return proxy();
            return give(std::to_string(session().value(Ctl(r))), out);
        });
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override
    {
        const auto proxy = [&] { return proxy_->get_accDescription(child, out); };
        if (out && source_->session && isSelf(child) && source_->describe &&
            source_->rowOf(hwnd_) < 0)
            return guarded([&] {
                const std::string description = source_->describe(hwnd_);
                return description.empty() ? proxy() : give(description, out);
            });
        return answer(child, out, proxy, [&](int r) -> HRESULT {
            const std::string description = session().description(r);
            return description.empty() ? proxy() : give(description, out);
        });
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override
    {
        const long role = out && source_->session && isSelf(child) && source_->roleOf
                              ? source_->roleOf(hwnd_)
                              : 0;
        if (!role)
            return proxy_->get_accRole(child, out);
        out->vt = VT_I4, out->lVal = role;
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override
    {
        const HRESULT hr = proxy_->get_accState(child, out);
        if (FAILED(hr) || !isSelf(child) || out->vt != VT_I4)
            return hr;
        return guarded([&] {
            if (hiddenRow(hwnd_))
                out->lVal |= STATE_SYSTEM_INVISIBLE;
            return hr;
        });
    }
    // Siblings and the first and last child, passing by what readers should
    // not find; any other direction is the proxy's.
    STDMETHODIMP accNavigate(long dir, VARIANT start, VARIANT* out) override
    {
        if (!out)
            return E_POINTER;
        const bool sibling = dir == NAVDIR_NEXT || dir == NAVDIR_PREVIOUS;
        const bool child = dir == NAVDIR_FIRSTCHILD || dir == NAVDIR_LASTCHILD;
        if (!isSelf(start) || !(sibling || child))
            return proxy_->accNavigate(dir, start, out);
        return guarded([&] { return navigate(dir, out); });
    }

    // IOleWindow: which window the object stands for (WindowFromAccessibleObject).
    STDMETHODIMP GetWindow(HWND* out) override
    {
        if (!out)
            return E_POINTER;
        *out = hwnd_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // The rest is the proxy's.
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return proxy_->GetTypeInfoCount(n); }
    STDMETHODIMP GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override
    {
        return proxy_->GetTypeInfo(i, l, t);
    }
    STDMETHODIMP GetIDsOfNames(REFIID id, LPOLESTR* n, UINT c, LCID l, DISPID* d) override
    {
        return proxy_->GetIDsOfNames(id, n, c, l, d);
    }
    STDMETHODIMP Invoke(DISPID d, REFIID id, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                        EXCEPINFO* e, UINT* a) override
    {
        return proxy_->Invoke(d, id, l, f, p, v, e, a);
    }
    STDMETHODIMP get_accParent(IDispatch** p) override { return proxy_->get_accParent(p); }
    STDMETHODIMP get_accChildCount(long* n) override { return proxy_->get_accChildCount(n); }
    STDMETHODIMP get_accChild(VARIANT c, IDispatch** p) override
    {
        return proxy_->get_accChild(c, p);
    }
    STDMETHODIMP get_accHelp(VARIANT c, BSTR* h) override { return proxy_->get_accHelp(c, h); }
    STDMETHODIMP get_accHelpTopic(BSTR* f, VARIANT c, long* t) override
    {
        return proxy_->get_accHelpTopic(f, c, t);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT c, BSTR* k) override
    {
        return proxy_->get_accKeyboardShortcut(c, k);
    }
    STDMETHODIMP get_accFocus(VARIANT* f) override { return proxy_->get_accFocus(f); }
    STDMETHODIMP get_accSelection(VARIANT* s) override { return proxy_->get_accSelection(s); }
    STDMETHODIMP get_accDefaultAction(VARIANT c, BSTR* a) override
    {
        return proxy_->get_accDefaultAction(c, a);
    }
    STDMETHODIMP accSelect(long f, VARIANT c) override { return proxy_->accSelect(f, c); }
    STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT c) override
    {
        return proxy_->accLocation(x, y, w, h, c);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* c) override
    {
        return proxy_->accHitTest(x, y, c);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT c) override { return proxy_->accDoDefaultAction(c); }
    STDMETHODIMP put_accName(VARIANT c, BSTR n) override { return proxy_->put_accName(c, n); }
    STDMETHODIMP put_accValue(VARIANT c, BSTR v) override { return proxy_->put_accValue(c, v); }

private:
    const Session& session() const { return *source_->session; }

    // Answers for the control itself from its design row; the proxy answers
    // for its parts and for a window that is no control.
    template <class Proxy, class Own> HRESULT answer(VARIANT child, BSTR* out, Proxy proxy, Own own)
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (!source_->session)
            return RPC_E_DISCONNECTED; // the window has gone
        const int r = isSelf(child) ? source_->rowOf(hwnd_) : -1;
        if (r < 0)
            return proxy();
        return guarded([&] { return own(r); });
    }

    bool hiddenRow(HWND h) const
    {
        const int r = source_->session ? source_->rowOf(h) : -1;
        return r >= 0 && source_->session->hidden(r);
    }

    HRESULT navigate(long dir, VARIANT* out)
    {
        VariantInit(out);
        const bool forward = dir == NAVDIR_NEXT || dir == NAVDIR_FIRSTCHILD;
        HWND h = nullptr;
        if (dir == NAVDIR_FIRSTCHILD || dir == NAVDIR_LASTCHILD) {
            h = ::GetWindow(hwnd_, GW_CHILD);
            if (h && !forward)
                h = ::GetWindow(h, GW_HWNDLAST);
        } else {
            h = ::GetWindow(hwnd_, forward ? GW_HWNDNEXT : GW_HWNDPREV);
        }
        while (h && hiddenRow(h))
            h = ::GetWindow(h, forward ? GW_HWNDNEXT : GW_HWNDPREV);
        if (!h)
            return S_FALSE;
        IDispatch* found = nullptr;
        const HRESULT hr = AccessibleObjectFromWindow(h, DWORD(OBJID_CLIENT), IID_IDispatch,
                                                      reinterpret_cast<void**>(&found));
        if (FAILED(hr))
            return hr;
        out->vt = VT_DISPATCH;
        out->pdispVal = found;
        return S_OK;
    }

    LONG refs_ = 1;
    IAccessible* proxy_;
    HWND hwnd_;
    std::shared_ptr<const ReaderSource> source_;
};

} // namespace

IAccessible* accessibleFor(HWND window, std::shared_ptr<const ReaderSource> source)
{
    IAccessible* proxy = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&proxy))) ||
        !proxy)
        return nullptr;
    IAccessible* object = new (std::nothrow) PlannerAccessible(proxy, window, std::move(source));
    if (!object)
        proxy->Release();
    return object;
}

} // namespace planner::win32
