#include "rfb_probe_control/rfb_probe.h"

#include <oleauto.h>

#include "win/com_text.h"

namespace corvana {
namespace {

constexpr std::size_t kGreetingLength = 12;
constexpr DWORD kWaitSliceMs = 60;
// Message boxes of the library carry its own name, as no title is given.
constexpr const char* kLibraryTitle = "Pinglet";

std::optional<long> ThreeDigits(const std::vector<std::uint8_t>& chunk, std::size_t at) {
  long value = 0;
  for (std::size_t i = at; i < at + 3; ++i) {
    if (chunk[i] < '0' || chunk[i] > '9') return std::nullopt;
    value = value * 10 + (chunk[i] - '0');
  }
  return value;
}

// Runs what is queued for this thread's windows; false once the program is asked to quit
// (the request is put back for the host's own loop). A window that keeps posting to itself
// cannot hold the caller here: what is left runs in the next round.
bool LetPendingMessagesRun() {
  constexpr int kMaxMessagesPerRound = 10000;
  MSG msg;
  for (int n = 0; n < kMaxMessagesPerRound && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

}  // namespace

std::optional<RfbVersion> ParseRfbGreeting(const std::vector<std::uint8_t>& chunk) {
  if (chunk.size() < kGreetingLength) return std::nullopt;
  auto major = ThreeDigits(chunk, 4);
  auto minor = ThreeDigits(chunk, 8);
  if (!major || !minor) return std::nullopt;
  return RfbVersion{*major, *minor};
}

void ShowNotRfbMessage(const char* text) { MessageBoxA(GetActiveWindow(), text, kLibraryTitle, MB_OK); }

RfbProbe::RfbProbe(RfbProbeEvents& events, DWORD timeoutMs, NotRfbAnnouncer announce)
    : events_(events), timeoutMs_(timeoutMs), announce_(std::move(announce)), msWsock_(*this) {}

void RfbProbe::SetRemoteHost(const std::string& strHostName) {
  host_ = strHostName;
  msWsock_.SetRemoteHost(strHostName);
}

HRESULT RfbProbe::SetRemotePort(const std::string& strRemotePort) {
  // The platform's own text-to-number conversion, as an assignment of the text to a number does.
  std::wstring wide = com::ToWide(strRemotePort);
  LONG number = 0;
  HRESULT hr = VarI4FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &number);
  if (FAILED(hr)) return hr;
  if (!msWsock_.SetRemotePort(number)) return E_INVALIDARG;
  port_ = strRemotePort;
  return S_OK;
}

void RfbProbe::DisConnect() {
  msWsock_.Close();
  versionReceived_ = false;
  LetPendingMessagesRun();
  events_.VNCClose(true);
}

bool RfbProbe::WaitEnded() const {
  switch (msWsock_.State()) {
    case WinsockState::Closed:
    case WinsockState::Closing:
    case WinsockState::Error:
      return true;
    default:
      return versionReceived_;
  }
}

HRESULT RfbProbe::GetServerVersion(const std::string& strRemoteHost, const std::string& strRemotePort,
                                   std::string& result) {
  // A second probe from inside the first one's wait would share its connection.
  if (probing_) return E_UNEXPECTED;
  SetRemoteHost(strRemoteHost);
  if (HRESULT hr = SetRemotePort(strRemotePort); FAILED(hr)) return hr;
  probing_ = true;
  msWsock_.Connect();
  ULONGLONG started = GetTickCount64();
  while (!WaitEnded() && GetTickCount64() - started < timeoutMs_) {
    SleepEx(kWaitSliceMs, TRUE);
    if (!LetPendingMessagesRun()) break;
  }
  result = version_;
  DisConnect();
  probing_ = false;
  return S_OK;
}

void RfbProbe::DataArrival(long) {
  std::vector<std::uint8_t> chunk = msWsock_.GetData();
  if (versionReceived_) return;  // later server messages are not read
  std::optional<RfbVersion> version = ParseRfbGreeting(chunk);
  if (!version) {
    // The message box lets socket messages run, so a server that keeps sending would open one
    // box inside the other until the stack gives out: a chunk that comes while the message is
    // still open is examined all the same, but not announced again.
    if (messageOpen_) return;
    messageOpen_ = true;
    announce_(kNotRfbServerMessage);
    messageOpen_ = false;
    return;
  }
  major_ = version->major;
  minor_ = version->minor;
  version_ = std::to_string(major_) + "." + std::to_string(minor_);
  // Answering with the server's own greeting chooses its version.
  msWsock_.SendData(chunk);
  versionReceived_ = true;
}

void RfbProbe::Error(long) { events_.VNCClose(false); }

}  // namespace corvana
