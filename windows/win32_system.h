#pragma once

#include <windows.h>

#include "hotspot/system.h"
#include "windows/win32_background.h"
#include "windows/win32_command_runner.h"
#include "windows/win32_handle.h"
#include "windows/win32_record_file.h"

namespace vanterel {

// The system as Windows offers it. Every wait goes through the window's
// own, so the window paints while the computer works.
class Win32System final : public System {
 public:
  explicit Win32System(HandleWait wait);

  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;
  bool hasMobileHotspot() override;
  JobEnd runTetheringJob(std::function<void(TetheringCalls&)> job,
                         std::chrono::milliseconds budget) override;
  JobEnd runSharingJob(std::function<void(SharingCalls&)> job) override;
  std::u16string systemMessage(std::uint32_t code) override;
  std::optional<HostedNetworkStatus> hostedNetworkStatus() override;
  std::optional<std::vector<ConnectedDevice>> hostedNetworkDevices() override;
  void pause(std::chrono::milliseconds duration) override;
  bool runInBackground(std::function<void(BackgroundCalls&)> job,
                       std::function<void()> done) override;
  // Where what follows a job in the background goes (see win32_background.h).
  void postTo(HWND window, UINT message) { background_.postTo(window, message); }
  std::size_t ansiLength(const std::u16string& text) override;
  RecordFile& recordFile() override { return record_; }

 private:
  HandleWait wait_;
  Win32RecordFile record_;
  Win32Background background_;
  // A sharing job given up at its time limit, which may still be running.
  UniqueHandle lateSharingJob_;
};

}  // namespace vanterel
