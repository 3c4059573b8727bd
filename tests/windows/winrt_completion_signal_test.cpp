#include "windows/winrt_completion_signal.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "windows/win32_handle.h"
#include "windows/winrt_tethering_abi.h"

namespace vanterel::winrt {
namespace {

template <typename Async>
DWORD WINAPI complete(void* handler) {
  static_cast<typename Async::Handler*>(handler)->Invoke(nullptr, Completed);
  return 0;
}

// Windows may call a handler from any thread: it must say it is agile and
// still signal when called from a thread that is not the one waiting.
template <typename Async>
void expectAgileAndSignalledFromAnotherThread() {
  CompletionSignal<Async>* signal = nullptr;
  ASSERT_EQ(CompletionSignal<Async>::make(&signal), S_OK);
  for (const GUID& iid : {IID_IAgileObject, IID_IMarshal, Async::Handler::kIid}) {
    IUnknown* answered = nullptr;
    EXPECT_EQ(signal->QueryInterface(iid, reinterpret_cast<void**>(&answered)), S_OK);
    if (answered != nullptr) answered->Release();
  }
  UniqueHandle thread(CreateThread(nullptr, 0, &complete<Async>,
                                   static_cast<typename Async::Handler*>(signal), 0, nullptr));
  ASSERT_TRUE(thread);
  EXPECT_EQ(WaitForSingleObject(signal->event(), 10000), WAIT_OBJECT_0);
  WaitForSingleObject(thread.get(), 10000);
  signal->Release();
}

TEST(CompletionSignal, IsAgileAndSignalsFromAnyThread) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  expectAgileAndSignalledFromAnotherThread<IAsyncAction>();
  expectAgileAndSignalledFromAnotherThread<IAsyncOperationOfTetheringResult>();
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace
}  // namespace vanterel::winrt
