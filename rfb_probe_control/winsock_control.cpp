#include "rfb_probe_control/winsock_control.h"

#include <algorithm>

#include "com/server/module.h"

namespace corvana {
namespace {

constexpr UINT kSocketMessage = WM_APP + 1;
constexpr UINT kHostResolvedMessage = WM_APP + 2;
constexpr const char* kWindowClass = "PingletWinsockWindow";
// One socket event reads at most this much; the rest raises the next event.
constexpr std::size_t kMaxReadPerEvent = 64 * 1024;

}  // namespace

WinsockControl::WinsockControl(WinsockEvents& events) : events_(events) {
  // The hidden window's class belongs to the library (or the test program) this code is in.
  HINSTANCE module = com::ThisModule();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = module;
  wc.lpszClassName = kWindowClass;
  RegisterClassExA(&wc);  // fails harmlessly when an earlier control registered it
  window_.reset(CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr));
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinsockControl::~WinsockControl() {
  Close();
  // Lookups still running write into their buffers later: those stay with the platform.
  for (auto& [request, buffer] : abandonedLookups_) buffer.release();
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

bool WinsockControl::SetRemotePort(long port) {
  if (port < 0 || port > 65535) return false;
  remotePort_ = port;
  return true;
}

bool WinsockControl::Connect() {
  if (state_ != WinsockState::Closed) return false;
  if (!session_.ok || !window_) {
    Fail(WSASYSNOTREADY);
    return true;
  }
  // A numeric address needs no lookup.
  in_addr address{};
  address.s_addr = inet_addr(remoteHost_.c_str());
  if (address.s_addr != INADDR_NONE || remoteHost_ == "255.255.255.255") {
    StartConnect(address);
    return true;
  }
  if (remoteHost_.empty()) {
    Fail(WSAHOST_NOT_FOUND);
    return true;
  }
  hostEntry_ = std::make_unique<char[]>(MAXGETHOSTSTRUCT);
  resolveRequest_ = WSAAsyncGetHostByName(window_.get(), kHostResolvedMessage, remoteHost_.c_str(),
                                          hostEntry_.get(), MAXGETHOSTSTRUCT);
  if (!resolveRequest_) {
    hostEntry_.reset();
    Fail(WSAGetLastError());
    return true;
  }
  state_ = WinsockState::ResolvingHost;
  return true;
}

std::vector<std::uint8_t> WinsockControl::GetData() { return std::exchange(received_, {}); }

bool WinsockControl::SendData(const std::vector<std::uint8_t>& data) {
  if (state_ != WinsockState::Connected && state_ != WinsockState::Closing) return false;
  unsent_.insert(unsent_.end(), data.begin(), data.end());
  FlushSend();
  return true;
}

void WinsockControl::Close() {
  if (resolveRequest_) {
    WSACancelAsyncRequest(resolveRequest_);
    abandonedLookups_.emplace(std::exchange(resolveRequest_, nullptr), std::move(hostEntry_));
  }
  socket_.reset();
  // Events of the closed socket must not reach a later one that gets the same handle value.
  DropQueuedMessages(kSocketMessage);
  received_.clear();
  unsent_.clear();
  state_ = WinsockState::Closed;
}

LRESULT CALLBACK WinsockControl::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<WinsockControl*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (self && msg == kSocketMessage) {
    self->OnSocketEvent(static_cast<SOCKET>(wParam), WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
    return 0;
  }
  if (self && msg == kHostResolvedMessage) {
    self->OnHostResolved(reinterpret_cast<HANDLE>(wParam), WSAGETASYNCERROR(lParam));
    return 0;
  }
  return DefWindowProcA(wnd, msg, wParam, lParam);
}

void WinsockControl::OnHostResolved(HANDLE request, WORD error) {
  if (request != resolveRequest_) {
    abandonedLookups_.erase(request);
    return;
  }
  resolveRequest_ = nullptr;
  HostEntryBuffer buffer = std::move(hostEntry_);
  if (error != 0) {
    Fail(error);
    return;
  }
  const auto* entry = reinterpret_cast<const hostent*>(buffer.get());
  if (entry->h_addrtype != AF_INET || entry->h_length != sizeof(in_addr) || !entry->h_addr_list ||
      !entry->h_addr_list[0]) {
    Fail(WSAHOST_NOT_FOUND);
    return;
  }
  in_addr address{};
  std::copy_n(entry->h_addr_list[0], sizeof address, reinterpret_cast<char*>(&address));
  StartConnect(address);
}

void WinsockControl::StartConnect(in_addr address) {
  socket_.reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!socket_) {
    Fail(WSAGetLastError());
    return;
  }
  // Also makes the socket non-blocking.
  if (WSAAsyncSelect(socket_.get(), window_.get(), kSocketMessage, FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE) != 0) {
    Fail(WSAGetLastError());
    return;
  }
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(static_cast<u_short>(remotePort_));
  peer.sin_addr = address;
  state_ = WinsockState::Connecting;
  if (connect(socket_.get(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
    int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK) Fail(error);
  }
}

void WinsockControl::OnSocketEvent(SOCKET s, WORD event, WORD error) {
  if (!socket_ || s != socket_.get()) return;
  switch (event) {
    case FD_CONNECT:
      if (error != 0) {
        Fail(error);
        return;
      }
      state_ = WinsockState::Connected;
      FlushSend();
      return;
    case FD_READ:
      ReceivePending();
      return;
    case FD_WRITE:
      FlushSend();
      return;
    case FD_CLOSE:
      // What the peer sent before closing still counts.
      ReceivePending();
      if (!socket_ || s != socket_.get()) return;  // closed by an event handler
      if (error != 0) {
        Fail(error);
        return;
      }
      state_ = WinsockState::Closing;
      return;
    default:
      return;
  }
}

void WinsockControl::ReceivePending() {
  if (state_ != WinsockState::Connected) return;
  std::size_t before = received_.size();
  char buffer[4096];
  while (received_.size() - before < kMaxReadPerEvent) {
    int n = recv(socket_.get(), buffer, sizeof buffer, 0);
    if (n <= 0) break;
    received_.insert(received_.end(), buffer, buffer + n);
  }
  if (received_.size() > before) events_.DataArrival(static_cast<long>(received_.size()));
}

void WinsockControl::FlushSend() {
  while (!unsent_.empty() && socket_) {
    int n = send(socket_.get(), reinterpret_cast<const char*>(unsent_.data()), static_cast<int>(unsent_.size()), 0);
    if (n <= 0) return;  // would block: FD_WRITE comes back for the rest
    unsent_.erase(unsent_.begin(), unsent_.begin() + n);
  }
}

void WinsockControl::Fail(long number) {
  socket_.reset();
  DropQueuedMessages(kSocketMessage);
  state_ = WinsockState::Error;
  events_.Error(number);
}

void WinsockControl::DropQueuedMessages(UINT msg) {
  if (!window_) return;
  MSG m;
  while (PeekMessageA(&m, window_.get(), msg, msg, PM_REMOVE)) {
  }
}

}  // namespace corvana
