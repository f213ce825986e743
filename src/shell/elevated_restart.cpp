#include "shell/elevated_restart.h"

#include "platform/text.h"

namespace velura {

std::optional<std::u16string> ElevatedStartFailureText(const ElevatedStartOutcome& outcome,
                                                        const std::u16string& systemText) {
  if (outcome.result != ElevatedStart::Failed) return std::nullopt;
  std::u16string text = u"管理者として再起動できませんでした";
  text += u"\r\n\r\n";
  text += systemText.empty() ? u"エラー " + DecimalU16(outcome.error) : systemText;
  return text;
}

InstanceStep DecideInstanceStep(bool instanceTaken, bool handOver, bool waitedOut) {
  if (!instanceTaken) return InstanceStep::Run;
  return handOver && !waitedOut ? InstanceStep::Wait : InstanceStep::Refuse;
}

}  // namespace velura
