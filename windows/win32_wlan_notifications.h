#pragma once

#include <windows.h>

#include <memory>

namespace vanterel {

class WlanClient;

// While it lives, each of wlanapi's notifications of the hosted network
// (started, stopped, a device come or gone) posts `message` to the window,
// from the thread wlanapi calls back on. Where wlanapi cannot tell, none
// come.
class WlanNotifications {
 public:
  WlanNotifications(HWND window, UINT message);
  WlanNotifications(const WlanNotifications&) = delete;
  WlanNotifications& operator=(const WlanNotifications&) = delete;
  // Closing the session ends the notifications, never from within one.
  ~WlanNotifications();

  // Where the notifications go; it outlives the session that sends them.
  struct Target {
    HWND window;
    UINT message;
  };

 private:
  std::unique_ptr<Target> target_;
  std::unique_ptr<WlanClient> client_;
};

}  // namespace vanterel
