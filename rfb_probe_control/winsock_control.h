#pragma once
// Our own stand-in for the platform's Winsock control, with the members and state numbers the
// probe uses. Socket events arrive as window messages of a hidden window (WSAAsyncSelect), so
// they are raised only while the owning thread lets its messages run, as with the control.
#include "win/handles.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace corvana {

// The control's state numbers.
enum class WinsockState : long {
  Closed = 0,
  ResolvingHost = 4,
  Connecting = 6,
  Connected = 7,
  Closing = 8,  // the peer closed the connection
  Error = 9,
};

// What the control raises; called on the owning thread from inside its message handling.
class WinsockEvents {
 public:
  virtual void DataArrival(long bytesTotal) = 0;
  virtual void Error(long number) = 0;

 protected:
  ~WinsockEvents() = default;
};

class WinsockControl {
 public:
  explicit WinsockControl(WinsockEvents& events);
  ~WinsockControl();
  WinsockControl(const WinsockControl&) = delete;
  WinsockControl& operator=(const WinsockControl&) = delete;

  const std::string& RemoteHost() const { return remoteHost_; }
  void SetRemoteHost(const std::string& host) { remoteHost_ = host; }
  long RemotePort() const { return remotePort_; }
  // False for a number that is no TCP port.
  bool SetRemotePort(long port);

  // Starts connecting to RemoteHost:RemotePort; the outcome arrives as state changes and events.
  // False when the control is not closed.
  bool Connect();
  WinsockState State() const { return state_; }
  // Hands out (and forgets) everything received so far.
  std::vector<std::uint8_t> GetData();
  // Queues the bytes for sending; false when not connected.
  bool SendData(const std::vector<std::uint8_t>& data);
  // Closes the connection (or abandons a pending one) and returns to state Closed.
  void Close();

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnSocketEvent(SOCKET s, WORD event, WORD error);
  void OnHostResolved(HANDLE request, WORD error);
  void StartConnect(in_addr address);
  void ReceivePending();
  void FlushSend();
  void Fail(long number);
  void DropQueuedMessages(UINT msg);

  // Winsock is started for as long as the control lives.
  struct WinsockSession {
    WinsockSession() : ok(WSAStartup(MAKEWORD(2, 2), &data) == 0) {}
    ~WinsockSession() {
      if (ok) WSACleanup();
    }
    WSADATA data{};
    bool ok;
  };

  WinsockEvents& events_;
  WinsockSession session_;
  WindowHandle window_;
  Socket socket_;
  std::string remoteHost_;
  long remotePort_ = 0;
  WinsockState state_ = WinsockState::Closed;
  // A host-name lookup writes into its buffer until its message arrives; the platform may not
  // cancel it, so an abandoned lookup keeps its buffer until then.
  using HostEntryBuffer = std::unique_ptr<char[]>;
  HANDLE resolveRequest_ = nullptr;
  HostEntryBuffer hostEntry_;
  std::map<HANDLE, HostEntryBuffer> abandonedLookups_;
  std::vector<std::uint8_t> received_;
  std::vector<std::uint8_t> unsent_;
};

}  // namespace corvana
