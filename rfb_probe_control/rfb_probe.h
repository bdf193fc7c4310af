#pragma once
// What rfbControl does, without COM: connect, read the server's RFB ProtocolVersion greeting,
// answer it with the same bytes, report the version and close.
#include "rfb_probe_control/winsock_control.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvana {

struct RfbVersion {
  long major = 0;
  long minor = 0;
};

// The version of a greeting "RFB xxx.yyy\n": bytes 4-6 and 8-10 as decimal digits; nothing
// when the chunk is shorter than 12 bytes or those bytes are no digits. The rest is not checked.
std::optional<RfbVersion> ParseRfbGreeting(const std::vector<std::uint8_t>& chunk);

class RfbProbeEvents {
 public:
  // True when the probe closed its connection, False when the connection failed.
  virtual void VNCClose(bool boolManualClose) = 0;

 protected:
  ~RfbProbeEvents() = default;
};

// The text shown for a chunk that is no greeting.
inline constexpr const char* kNotRfbServerMessage = "Server is not an RFB Server !";

// Tells the user that a chunk was no greeting; returns once the user has seen it.
using NotRfbAnnouncer = std::function<void(const char* text)>;
// The message box (OK button, the library's name as title).
void ShowNotRfbMessage(const char* text);

class RfbProbe : private WinsockEvents {
 public:
  // A server that accepts and then neither greets nor closes would otherwise hold the caller's
  // wait for ever; after this long the probe gives up.
  static constexpr DWORD kDefaultTimeoutMs = 10000;

  explicit RfbProbe(RfbProbeEvents& events, DWORD timeoutMs = kDefaultTimeoutMs,
                    NotRfbAnnouncer announce = ShowNotRfbMessage);

  long VNC_Authentication() const { return 0; }
  void SetRemoteHost(const std::string& strHostName);
  // DISP_E_TYPEMISMATCH for a text that is no number, DISP_E_OVERFLOW or E_INVALIDARG for a
  // number that is no port.
  HRESULT SetRemotePort(const std::string& strRemotePort);
  long VNC_ServerVersionMajor() const { return major_; }
  long VNC_ServerVersionMinor() const { return minor_; }
  const std::string& VNC_ServerVersion() const { return version_; }
  long State() const { return static_cast<long>(msWsock_.State()); }
  void DisConnect();
  // The whole probe: result is the version text, or the last one read before, "" if none.
  // Fails only for a port that is no number, or when a probe of this control is still running.
  HRESULT GetServerVersion(const std::string& strRemoteHost, const std::string& strRemotePort, std::string& result);

  const std::string& RemoteHost() const { return host_; }
  const std::string& RemotePort() const { return port_; }

 private:
  void DataArrival(long bytesTotal) override;
  void Error(long number) override;
  bool WaitEnded() const;

  RfbProbeEvents& events_;
  DWORD timeoutMs_;
  NotRfbAnnouncer announce_;
  std::string host_;
  std::string port_;
  long major_ = 0;
  long minor_ = 0;
  std::string version_;
  bool versionReceived_ = false;
  bool probing_ = false;
  bool messageOpen_ = false;
  WinsockControl msWsock_;
};

}  // namespace corvana
