#include "windows/win32_wlan_notifications.h"

#include "windows/win32_wlanapi.h"

namespace vanterel {
namespace {

void WINAPI onNotification(WLAN_NOTIFICATION_DATA* data, void* context) {
  if (data == nullptr || data->NotificationSource != WLAN_NOTIFICATION_SOURCE_HNWK) return;
  // Told, the window looks again rather than trust what the notice says.
  const auto* target = static_cast<const WlanNotifications::Target*>(context);
  PostMessageW(target->window, target->message, 0, 0);
}

}  // namespace

WlanNotifications::WlanNotifications(HWND window, UINT message)
    : target_(std::make_unique<Target>(Target{window, message})),
      client_(std::make_unique<WlanClient>(wlanapi())) {
  if (client_->error() != ERROR_SUCCESS) return;
  wlanapi().registerNotification(client_->get(), WLAN_NOTIFICATION_SOURCE_HNWK, TRUE,
                                 &onNotification, target_.get(), nullptr, nullptr);
}

WlanNotifications::~WlanNotifications() { client_.reset(); }

}  // namespace vanterel
