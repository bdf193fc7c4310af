#include "loopback_server.h"

namespace corvana::test {
namespace {

Socket BoundLoopbackSocket() {
  Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (s && bind(s.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) s.reset();
  return s;
}

unsigned short PortOf(SOCKET s) {
  sockaddr_in addr{};
  int len = sizeof addr;
  if (getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) return 0;
  return ntohs(addr.sin_port);
}

// Waits for s to become readable, at most ms.
bool Readable(SOCKET s, DWORD ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{static_cast<long>(ms / 1000), static_cast<long>((ms % 1000) * 1000)};
  return select(0, &set, nullptr, nullptr, &tv) == 1;
}

}  // namespace

void ServerSide::Send(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    int n = send(s_, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
    if (n <= 0) return;
    done += n;
  }
}

bool ServerSide::WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

bool ServerSide::ReadUntilPeerCloses(DWORD timeoutMs) {
  ULONGLONG deadline = GetTickCount64() + timeoutMs;
  char buffer[4096];
  for (;;) {
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    if (!Readable(s_, static_cast<DWORD>(deadline - now))) continue;
    int n = recv(s_, buffer, sizeof buffer, 0);
    if (n <= 0) return true;  // closed (or reset) by the client
    owner_.Record(buffer, n);
  }
}

bool ServerSide::ReadUntil(const std::function<bool(const std::string&)>& done, DWORD timeoutMs) {
  ULONGLONG deadline = GetTickCount64() + timeoutMs;
  char buffer[4096];
  for (;;) {
    {
      std::lock_guard lock(owner_.mutex_);
      if (done(owner_.received_)) return true;
    }
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    if (!Readable(s_, static_cast<DWORD>(deadline - now))) continue;
    int n = recv(s_, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    owner_.Record(buffer, n);
  }
}

void ServerSide::ShutdownSend() { shutdown(s_, SD_SEND); }

LoopbackServer::LoopbackServer(Script script, DWORD acceptTimeoutMs)
    : script_(std::move(script)), listener_(BoundLoopbackSocket()) {
  if (listener_ && listen(listener_.get(), 1) == 0) port_ = PortOf(listener_.get());
  thread_ = std::thread([this, acceptTimeoutMs] { Run(acceptTimeoutMs); });
}

LoopbackServer::~LoopbackServer() { Finish(); }

std::string LoopbackServer::Finish() {
  if (thread_.joinable()) thread_.join();
  std::lock_guard lock(mutex_);
  return received_;
}

void LoopbackServer::Run(DWORD acceptTimeoutMs) {
  if (!port_ || !Readable(listener_.get(), acceptTimeoutMs)) return;
  Socket client(accept(listener_.get(), nullptr, nullptr));
  listener_.reset();
  if (!client) return;
  accepted_ = true;
  ServerSide side(client.get(), *this);
  script_(side);
}

void LoopbackServer::Record(const char* data, int n) {
  std::lock_guard lock(mutex_);
  received_.append(data, n);
}

unsigned short RefusingPort() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  unsigned short port = 0;
  {
    Socket s = BoundLoopbackSocket();
    if (s) port = PortOf(s.get());
  }
  WSACleanup();
  return port;
}

}  // namespace corvana::test
