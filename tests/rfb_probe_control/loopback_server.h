#pragma once
// A one-connection TCP server on 127.0.0.1 for the probe's tests: it runs a script of its own on a
// thread of its own (send, wait for a condition, read until the peer closes, close) and records
// what the client sent. Every step is bounded in time, so a faulty client cannot hang a test.
#include "win/handles.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace corvana::test {

class LoopbackServer;

// What a script can do with the accepted connection.
class ServerSide {
 public:
  void Send(const std::string& bytes);
  // Waits until condition holds (polled), at most timeoutMs; false on time-out.
  bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
  // Records what the client sends until it closes its side, at most timeoutMs; false on time-out.
  bool ReadUntilPeerCloses(DWORD timeoutMs = 10000);
  // Records what the client sends until done(everything received so far) holds, at most
  // timeoutMs; false on time-out or when the client closes first.
  bool ReadUntil(const std::function<bool(const std::string&)>& done, DWORD timeoutMs = 10000);
  // Ends the server's sending side; the client sees the connection closed.
  void ShutdownSend();

 private:
  friend class LoopbackServer;
  ServerSide(SOCKET s, LoopbackServer& owner) : s_(s), owner_(owner) {}
  SOCKET s_;
  LoopbackServer& owner_;
};

class LoopbackServer {
 public:
  using Script = std::function<void(ServerSide&)>;
  // Listens at once on a free port; accepts one connection (within acceptTimeoutMs) and runs script.
  explicit LoopbackServer(Script script, DWORD acceptTimeoutMs = 10000);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  unsigned short port() const { return port_; }
  std::string portText() const { return std::to_string(port_); }
  // Waits for the script to finish (it is bounded), then tells what the client sent.
  std::string Finish();
  bool accepted() const { return accepted_; }

 private:
  friend class ServerSide;
  void Run(DWORD acceptTimeoutMs);
  void Record(const char* data, int n);

  struct WinsockSession {
    WinsockSession() { WSAStartup(MAKEWORD(2, 2), &data); }
    ~WinsockSession() { WSACleanup(); }
    WSADATA data{};
  } session_;
  Script script_;
  Socket listener_;
  unsigned short port_ = 0;
  std::atomic<bool> accepted_{false};
  std::mutex mutex_;
  std::string received_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens: bound once to find a free one, then let go.
unsigned short RefusingPort();

}  // namespace corvana::test
