#pragma once
// Listens to a URL-moniker download for the HTTP status the server answered with. A page
// the server does not have still "downloads" (its error page) and the download call
// reports success; the status tells the two apart.
#include <windows.h>
#include <urlmon.h>

#include <atomic>
#include <memory>

class HttpStatusCallback final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  struct Releaser {
    void operator()(HttpStatusCallback* callback) const noexcept { callback->Release(); }
  };
  using Owner = std::unique_ptr<HttpStatusCallback, Releaser>;
  static Owner Create() { return Owner(new HttpStatusCallback); }

  // The last HTTP status seen; 0 when none came (not an HTTP address, or no answer).
  DWORD status() const { return status_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  // IBindStatusCallback: nothing to change about the binding.
  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  // IHttpNegotiate
  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                 LPWSTR* extraHeaders) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR, LPCWSTR,
                                       LPWSTR* extraHeaders) override;

 private:
  HttpStatusCallback() = default;
  ~HttpStatusCallback() = default;

  std::atomic<ULONG> references_{1};
  std::atomic<DWORD> status_{0};
};
