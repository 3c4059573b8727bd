#include "hotspot/step_failure.h"

#include <string>

#include "hotspot/message_text.h"

namespace vanterel {
namespace {

// Keeps the message box within the screen when a program prints a lot.
constexpr std::size_t kMaxShownOutput = 1500;

// What a program printed, trimmed, and cut where it is long.
std::u16string shownOutput(const std::u16string& output) {
  std::u16string kept = trimmed(output);
  if (kept.size() > kMaxShownOutput) {
    std::size_t cut = kMaxShownOutput;
    // Never keep the first half of a surrogate pair without its second.
    if (kept[cut - 1] >= 0xD800 && kept[cut - 1] <= 0xDBFF) --cut;
    kept = kept.substr(0, cut) + u"……";
  }
  return kept;
}

bool contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

// netsh says so in the system's language; English systems say either word.
bool asksForAdministrator(const std::u16string& output) {
  return contains(output, u"管理员") || contains(output, u"administrator") ||
         contains(output, u"elevation");
}

std::u16string howItEnded(const CommandRun& run) {
  switch (run.outcome) {
    case CommandRun::Outcome::CouldNotStart:
      return u"无法启动命令解释器 cmd。";
    case CommandRun::Outcome::TimedOut:
      return u"命令在 " + decimal(kStepTimeout.count()) + u" 秒内没有结束，已被终止。";
    case CommandRun::Outcome::Exited:
      break;
  }
  return u"netsh 返回错误代码 " + decimal(run.exitCode) + u"。";
}

}  // namespace

bool succeeded(const CommandRun& run) {
  return run.outcome == CommandRun::Outcome::Exited && run.exitCode == 0;
}

std::u16string failureReason(const CommandRun& run) {
  const std::u16string output = trimmed(run.output);
  const std::u16string firstLine = trimmed(output.substr(0, output.find_first_of(u"\r\n")));
  return firstLine.empty() ? howItEnded(run) : firstLine;
}

std::u16string describeFailure(const Step& step, const CommandRun& run) {
  std::u16string message = u"“" + step.name + u"”失败：" + howItEnded(run);
  const std::u16string output = shownOutput(run.output);
  if (!output.empty()) message += u"\r\n\r\n" + output;
  if (asksForAdministrator(run.output)) {
    message += u"\r\n\r\n请右键单击本程序，选择“以管理员身份运行”。";
  }
  return message;
}

}  // namespace vanterel
