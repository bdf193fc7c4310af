#pragma once
// Answers the message boxes this process shows, from a thread of its own, and records what they
// said: the product code shows real message boxes, and a test must neither block on them nor miss one.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace corvana::test {

// The icon a message box showed, named by what it says
// (MB_ICONERROR shows Critical, MB_ICONWARNING Exclamation, MB_ICONINFORMATION Information).
enum class MessageIcon { None, Critical, Question, Exclamation, Information, Other };

inline void PrintTo(MessageIcon icon, std::ostream* out) {
  static const char* const names[] = {"None", "Critical", "Question", "Exclamation", "Information", "Other"};
  *out << names[static_cast<int>(icon)];
}

struct SeenMessageBox {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::None;
};

class MessageBoxWatcher {
 public:
  // Button: the command id to press (IDOK, IDYES, IDNO, IDCANCEL ...).
  explicit MessageBoxWatcher(int button = IDOK);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  void setButton(int button) { button_ = button; }
  std::vector<SeenMessageBox> seen() const;
  void clear();

 private:
  void run();
  std::atomic<int> button_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> answered_;
  std::thread thread_;
};

}  // namespace corvana::test
