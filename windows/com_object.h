#pragma once

#include <windows.h>

#include <atomic>

namespace vanterel {

// A COM object of ours with the given interfaces: made with new, holding
// one reference, and deleted with its last; its count is safe from any
// thread. The object answers QueryInterface itself.
template <typename... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace vanterel
