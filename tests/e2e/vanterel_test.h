#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/app_process.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/netsh_files.h"
#include "tests/e2e/netsh_model.h"
#include "tests/e2e/sharing_setup.h"
#include "tests/e2e/tethering_state.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::e2e {

// Each test starts its own vanterel.exe, with a netsh log, rules and state
// file of its own, and finds its window; the process is ended afterwards.
class VanterelTest : public ::testing::Test {
 protected:
  static constexpr std::chrono::milliseconds kWindowTimeout = 30s;
  static constexpr std::chrono::milliseconds kBoxTimeout = 10s;
  // A few commands through cmd under Wine, each a few hundred milliseconds.
  static constexpr std::chrono::milliseconds kStartTimeout = 90s;
  static constexpr std::chrono::milliseconds kInputTimeout = 10s;

  void SetUp() override;
  void TearDown() override;

  HWND window() const { return window_; }
  HWND control(Control id) const { return controlOf(window_, id); }
  AppProcess& process() { return process_; }
  // Starts the program, with the test's files, and finds its window: SetUp
  // does; a test may again once the program has ended.
  void openProgram();
  // Which program SetUp starts, and in which folder: by default the
  // driver's program, in the driver's folder. Called before SetUp.
  void startFrom(const std::wstring& program, const std::wstring& folder);
  // The program's record of the sharing it found, kept across its runs.
  static std::wstring sharingRecordPath();

  // The stand-in netsh reads them at each run; write them before the click.
  void setNetshRules(const std::vector<NetshRule>& rules);
  // The machine netsh runs on, with no hosted-network settings yet; by
  // default its adapter can host.
  void setWirelessAdapter(WirelessAdapter adapter);
  // Every run of netsh so far; fails the test when the log is malformed.
  std::vector<NetshInvocation> netshInvocations() const;

  // The Mobile hotspot the stand-in classes simulate: its settings and
  // whether it is on. Written before the click, or while the program runs.
  void setTethering(const TetheringState& state);
  TetheringState tetheringNow() const;
  // The machine netsh and wlanapi simulate, whatever netsh has set so far.
  void changeMachine(const std::function<void(NetshState&)>& change);
  void setRadio(bool on);

  // The network the sharing stand-ins show. By default: the hosted
  // network's adapter and the connection of the route to the Internet,
  // nothing shared. Write it before the click.
  void setSharing(const SharingSetup& setup);
  SharingSetup sharingNow() const;
  // The sharing changes the stand-in was asked for so far.
  std::vector<std::string> sharingChanges() const;
  static constexpr const char* kHostedAdapter = "{6E1D3A22-5C0B-4F2E-9A41-7D2C8B10E5F3}";
  // The GUID of the adapter of Wine's route to a public address; empty
  // when there is none.
  const std::string& routeAdapter() const { return routeAdapter_; }

  std::optional<MessageBoxView> waitForBox(std::chrono::milliseconds timeout = kBoxTimeout) const;
  // Presses its first button; fails the test when it does not go away.
  void dismiss(const MessageBoxView& box);
  // Presses the button of the id (IDYES, IDNO); fails the test when the box stays.
  void answer(const MessageBoxView& box, int buttonId);
  // Waits until the program has handled the input posted so far.
  void settle();

  // Types a name and a key, presses the button, expects the success box,
  // dismisses it and waits for the running state.
  void startHostedNetwork(const std::wstring& name, const std::wstring& key);

 private:
  AppProcess process_;
  std::wstring program_;
  std::wstring folder_;
  HWND window_ = nullptr;
  std::wstring netshLog_;
  std::wstring netshRules_;
  std::wstring netshState_;
  std::wstring tetheringState_;
  std::wstring sharingSetup_;
  std::wstring sharingLog_;
  EnvironmentChanges environment_;
  std::string routeAdapter_;
};

}  // namespace vanterel::e2e
