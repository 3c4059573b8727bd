#include "hotspot/sharing_notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hotspot/start_stop.h"
#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

const std::u16string kLead =
    u"热点已开启，但没能共享网络连接，连上热点的设备暂时不能上网。\r\n\r\n原因：";

SharingOutcome outcome(SharingOutcome::Kind kind, SharingStep step = SharingStep::FindHostedAdapter,
                       std::uint32_t code = 0, const std::u16string& systemText = u"") {
  SharingOutcome made;
  made.kind = kind;
  made.step = step;
  made.code = code;
  made.systemText = systemText;
  return made;
}

TEST(SharingNotice, SaysWhyTheDevicesCannotGetOnline) {
  using Kind = SharingOutcome::Kind;
  const struct {
    SharingOutcome outcome;
    std::u16string notice;
  } cases[] = {
      {outcome(Kind::Shared), u""},
      {outcome(Kind::NoInternet), kLead + u"这台电脑现在没有连接到互联网。"},
      {outcome(Kind::HostedNotListed), kLead + u"网络共享管理器的网络连接中没有承载网络的网卡。"},
      {outcome(Kind::InternetNotListed),
       kLead + u"网络共享管理器的网络连接中没有这台电脑连接互联网所用的连接。"},
      {outcome(Kind::TimedOut), kLead + u"共享网络连接在 30 秒内没有完成。"},
      {outcome(Kind::Failed, SharingStep::SharePublic, 0x80040201, u"事件无法调用任何订户\r\n"),
       kLead + u"共享连接互联网的网络连接失败：事件无法调用任何订户（错误代码 0x80040201）"},
      {outcome(Kind::Failed, SharingStep::OpenSharingManager, 0x80040154),
       kLead + u"打开网络共享管理器失败：（错误代码 0x80040154）"},
      {outcome(Kind::Failed, SharingStep::FindHostedAdapter, 0x8007139F, u"状态不对。"),
       kLead + u"查找承载网络的网卡失败：状态不对。（错误代码 0x8007139F）"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sharingNotice(c.outcome), c.notice);
  }  // After a stop: the same reasons, another lead.
  EXPECT_EQ(restoreNotice(outcome(Kind::Shared)), u"");
  EXPECT_EQ(restoreNotice(outcome(Kind::Failed, SharingStep::RestorePrivate, 0x80004005)),
            u"热点已关闭，但没能恢复原来的网络连接共享。\r\n\r\n原因：让原来的网络连接重新使用共享"
            u"失败：（错误代码 0x80004005）");
}

// The click shares after the last start command, tells of success as ever
// and then why the devices cannot get online; it turns sharing off before
// the stop command.
TEST(Command1Click, SharesAfterStartingAndStopsSharingBeforeStopping) {
  FakeMainWindow form;
  FakeSystem system;
  system.sharing.internet = u"";
  form.type(Control::Text1, u"VanterelNet");
  form.type(Control::Text2, u"0123456789abcdef");
  Command1_Click(form, system, form.session);

  const std::size_t started = system.launches.size();
  ASSERT_GT(started, 0u);
  EXPECT_EQ(system.sharingJobsAfter, std::vector<std::size_t>{started});
  ASSERT_EQ(form.boxes.size(), 2u);
  EXPECT_EQ(form.boxes[0].title, u"成功");
  EXPECT_EQ(form.boxes[0].prompt, u"无线局域网开启成功 ssid= VanterelNet  密码=0123456789abcdef");
  EXPECT_EQ(form.boxes[1].title, u"提示");
  EXPECT_EQ(form.boxes[1].buttons, kOkOnly);
  EXPECT_EQ(form.boxes[1].prompt, sharingNotice(outcome(SharingOutcome::Kind::NoInternet)));
  EXPECT_EQ(form.caption(Control::Command1), u"关闭无线");

  form.boxes.clear();
  Command1_Click(form, system, form.session);
  EXPECT_EQ(system.sharingJobsAfter, (std::vector<std::size_t>{started, started}));
  EXPECT_EQ(system.launches.size(), started + 1);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].prompt, u"wifi已关闭");
}

}  // namespace
}  // namespace vanterel
