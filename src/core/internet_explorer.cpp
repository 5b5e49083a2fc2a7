#include "core/internet_explorer.h"

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include "core/gdiplus_images.h"
#include "ui/app.h"

namespace core {

namespace {

bool MemberId(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// object.Navigate url
void Navigate(IDispatch* object, const std::string& url) {
  DISPID id;
  if (!MemberId(object, L"Navigate", id)) return;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = SysAllocString(ToWide(url).c_str());
  DISPPARAMS params{&arg, nullptr, 1, 0};
  object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  VariantClear(&arg);
}

// object.Visible = True
void MakeVisible(IDispatch* object) {
  DISPID id;
  if (!MemberId(object, L"Visible", id)) return;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BOOL;
  arg.boolVal = VARIANT_TRUE;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

void NavigateInternetExplorer(const std::string& url) { NavigateAutomationBrowser(url); }

}  // namespace

std::function<void(const std::string&)> AddressFallback = NavigateInternetExplorer;

bool NavigateAutomationBrowser(const std::string& url, const std::string& progId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(ToWide(progId).c_str(), &clsid))) return false;
  IDispatch* object = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&object))) ||
      !object)
    return false;
  Navigate(object, url);
  MakeVisible(object);
  ui::DoEvents();
  object->Release();
  return true;
}

}  // namespace core
