#pragma once

#include <windows.h>
#include <asyncinfo.h>
#include <objidl.h>

#include "windows/com_object.h"

namespace vanterel::winrt {

// The completion handler of one asynchronous call: it signals an event, a
// thing safe from any thread. Windows completes its operations on threads
// of its own, so the handler is agile, as the language projections make
// theirs: it answers IAgileObject, and IMarshal through the free-threaded
// marshaler it aggregates. Windows then calls it where it is, instead of
// marshalling the call back into the apartment that registered it.
template <typename Async>
class CompletionSignal final : public ComObject<typename Async::Handler> {
 public:
  // A handler with one reference, or the error that kept it from being made.
  static HRESULT make(CompletionSignal** made) {
    *made = nullptr;
    auto* signal = new CompletionSignal();
    if (signal->event_ == nullptr) {
      const HRESULT error = HRESULT_FROM_WIN32(GetLastError());
      signal->Release();
      return error;
    }
    const HRESULT error = CoCreateFreeThreadedMarshaler(signal, &signal->marshaler_);
    if (FAILED(error)) {
      signal->Release();
      return error;
    }
    *made = signal;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IMarshal) return marshaler_->QueryInterface(iid, object);
    if (iid == IID_IUnknown || iid == IID_IAgileObject || iid == Async::Handler::kIid) {
      *object = static_cast<typename Async::Handler*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Invoke(Async*, AsyncStatus) override {
    SetEvent(event_);
    return S_OK;
  }

  HANDLE event() const { return event_; }

 private:
  CompletionSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~CompletionSignal() override {
    if (marshaler_ != nullptr) marshaler_->Release();
    if (event_ != nullptr) CloseHandle(event_);
  }

  HANDLE event_;
  IUnknown* marshaler_ = nullptr;
};

}  // namespace vanterel::winrt
