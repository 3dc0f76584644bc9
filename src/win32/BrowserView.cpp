// In-place hosting needs a site that answers the control's questions about its container. This
// container has no menus, tool bars or status bar to share, so most answers are "none".
#include <windows.h>
// windows.h first: the OLE headers lean on it.
#include <exdisp.h>
#include <ole2.h>
#include <oleauto.h>

#include "platform/Cp932.h"
#include "platform/WidePath.h"
#include "win32/BrowserView.h"

namespace tokiwake {

namespace {

// The HTML document class: a browser control without it navigates to nothing.
constexpr CLSID kHtmlDocument = {
    0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

bool CanShowHtml() {
  IUnknown* document = nullptr;
  if (FAILED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&document)))) {
    return false;
  }
  document->Release();
  return true;
}

template <typename Interface>
void ReleaseAndClear(Interface*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

}  // namespace

class BrowserView::Site final : public IOleClientSite,
                                public IOleInPlaceSite,
                                public IOleInPlaceFrame {
 public:
  Site(HWND parent, const RECT& area) : parent_(parent), area_(area) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, shared by the site and the frame
  STDMETHODIMP GetWindow(HWND* window) override {
    *window = parent_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    *frame = this;
    AddRef();
    *document = nullptr;
    *position = area_;
    *clip = area_;
    info->fMDIApp = FALSE;
    info->hwndFrame = parent_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
  void SetArea(const RECT& area) { area_ = area; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~Site() = default;
  ULONG references_ = 1;
  HWND parent_;
  RECT area_;
};

struct BrowserView::Control {
  Site* site = nullptr;
  IOleObject* object = nullptr;
  IWebBrowser2* browser = nullptr;
  RECT area{};
  HWND parent = nullptr;

  ~Control() {
    ReleaseAndClear(browser);
    if (object != nullptr) {
      object->Close(OLECLOSE_NOSAVE);
      object->SetClientSite(nullptr);
    }
    ReleaseAndClear(object);
    ReleaseAndClear(site);
  }
};

std::unique_ptr<BrowserView> BrowserView::Create(HWND parent, const RECT& area) {
  if (!CanShowHtml()) return nullptr;
  auto control = std::make_unique<Control>();
  control->parent = parent;
  control->area = area;
  control->site = new Site(parent, area);
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&control->object)))) {
    return nullptr;
  }
  IOleClientSite* site = control->site;
  if (FAILED(control->object->SetClientSite(site)) ||
      FAILED(control->object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &area)) ||
      FAILED(control->object->QueryInterface(IID_IWebBrowser2,
                                             reinterpret_cast<void**>(&control->browser)))) {
    return nullptr;
  }
  // Script errors and security questions of a local page would otherwise open boxes of their own.
  control->browser->put_Silent(VARIANT_TRUE);
  return std::unique_ptr<BrowserView>(new BrowserView(std::move(control)));
}

BrowserView::BrowserView(std::unique_ptr<Control> control) : control_(std::move(control)) {}

BrowserView::~BrowserView() = default;

HRESULT BrowserView::Navigate(const Text& location, long flags) {
  VARIANT url;
  VariantInit(&url);
  url.vt = VT_BSTR;
  url.bstrVal = SysAllocString(ToWidePath(location).c_str());
  if (url.bstrVal == nullptr) return E_OUTOFMEMORY;
  VARIANT navigationFlags;
  VariantInit(&navigationFlags);
  navigationFlags.vt = VT_I4;
  navigationFlags.lVal = flags;
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT result =
      control_->browser->Navigate2(&url, &navigationFlags, &empty, &empty, &empty);
  VariantClear(&url);
  return result;
}

void BrowserView::Repaint() {
  RedrawWindow(control_->parent, &control_->area, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void BrowserView::Move(const RECT& area) {
  control_->area = area;
  control_->site->SetArea(area);
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(control_->object->QueryInterface(IID_IOleInPlaceObject,
                                                 reinterpret_cast<void**>(&inPlace)))) {
    inPlace->SetObjectRects(&area, &area);
    inPlace->Release();
  }
}

void BrowserView::Focus() {
  control_->object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, control_->site, 0, control_->parent,
                           &control_->area);
}

Text ErrorText(HRESULT result) {
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring text = length > 0 ? std::wstring(message, length) : std::wstring();
  LocalFree(message);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
  if (text.empty()) {
    wchar_t code[16];
    wsprintfW(code, L"0x%08lX", static_cast<unsigned long>(result));
    text = code;
  }
  return Narrow(text);
}

}  // namespace tokiwake
