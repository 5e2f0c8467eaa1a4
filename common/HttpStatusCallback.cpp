#include "common/HttpStatusCallback.h"

HRESULT STDMETHODCALLTYPE HttpStatusCallback::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IBindStatusCallback)
    *object = static_cast<IBindStatusCallback*>(this);
  else if (iid == IID_IHttpNegotiate)
    *object = static_cast<IHttpNegotiate*>(this);
  else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE HttpStatusCallback::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE HttpStatusCallback::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                                   LPWSTR* extraHeaders) {
  if (extraHeaders) *extraHeaders = nullptr;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE HttpStatusCallback::OnResponse(DWORD status, LPCWSTR, LPCWSTR,
                                                         LPWSTR* extraHeaders) {
  status_ = status;
  if (extraHeaders) *extraHeaders = nullptr;
  return S_OK;
}
