#include "setup/progman.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <ddeml.h>

#include "setup/progman_commands.h"

namespace {

constexpr DWORD TransactionTimeoutMs = 10000;
// A reply larger than this is no list of group names.
constexpr DWORD MaxGroupsReplyBytes = 1 << 20;

HDDEDATA CALLBACK IgnoreCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// One client conversation with Program Manager, closed with the object.
class ProgmanConversation {
 public:
  ProgmanConversation() {
    if (DdeInitializeA(&instance_, IgnoreCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
      instance_ = 0;
      return;
    }
    service_ = DdeCreateStringHandleA(instance_, "PROGMAN", CP_WINANSI);
    if (service_) conversation_ = DdeConnect(instance_, service_, service_, nullptr);
  }
  ProgmanConversation(const ProgmanConversation&) = delete;
  ProgmanConversation& operator=(const ProgmanConversation&) = delete;
  ~ProgmanConversation() {
    if (conversation_) DdeDisconnect(conversation_);
    if (service_) DdeFreeStringHandle(instance_, service_);
    if (instance_) DdeUninitialize(instance_);
  }

  bool Open() const { return conversation_ != nullptr; }

  std::optional<std::string> Request(const char* item) const {
    const HSZ name = DdeCreateStringHandleA(instance_, item, CP_WINANSI);
    if (!name) return std::nullopt;
    DWORD result = 0;
    const HDDEDATA data =
        DdeClientTransaction(nullptr, 0, conversation_, name, CF_TEXT, XTYP_REQUEST, TransactionTimeoutMs, &result);
    DdeFreeStringHandle(instance_, name);
    if (!data) return std::nullopt;
    const DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::optional<std::string> text;
    if (size <= MaxGroupsReplyBytes) {
      text.emplace(size, '\0');
      text->resize(DdeGetData(data, reinterpret_cast<LPBYTE>(text->data()), size, 0));
    }
    DdeFreeDataHandle(data);
    return text;
  }

  bool Execute(const std::string& command) const {
    std::string text = command;
    DWORD result = 0;
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(text.data()), static_cast<DWORD>(text.size() + 1),
                                conversation_, nullptr, 0, XTYP_EXECUTE, TransactionTimeoutMs, &result) != nullptr;
  }

 private:
  DWORD instance_ = 0;
  HSZ service_ = nullptr;
  HCONV conversation_ = nullptr;
};

}  // namespace

std::optional<std::vector<std::string>> ListProgramGroups() {
  const ProgmanConversation conversation;
  if (!conversation.Open()) return std::nullopt;
  return SplitGroupsReply(conversation.Request("GROUPS").value_or(""));
}

std::string SendProgmanCommand(const std::string& command) {
  const ProgmanConversation conversation;
  if (!conversation.Open()) return ProgmanOpenFailedText;
  return conversation.Execute(command) ? std::string() : ProgmanSendFailedText;
}
