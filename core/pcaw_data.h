#pragma once
// One pcAnywhere connection as its connection file (.CHF) describes it: a snapshot that belongs
// to whoever asked for it.
#include <string>

namespace corvana {

struct CpcAWdata {
  std::string ConnectionType;
  std::string AutoXferFile;
  std::string ScriptFile;
  std::string RecordFile;
  bool RunOnConnect = false;
  bool LogSession = false;
  bool WriteProtection = false;
  bool ReadProtection = false;
  bool ExecuteProtection = false;
  std::string Password;
  std::string AutoLoginPassword;
  std::string AutoLoginName;
  short RedialDelay = 0;
  short RedialCount = 0;
  std::string CountryCode;
  std::string AreaCode;
  bool UseDialingProperties = false;
  std::string PhoneNumber;
  std::string ComputerName;  // the target computer: shown in the list, the plug-ins' address
  std::string FileName;      // the connection file's path as it was passed in
  std::string Name;          // the file name without folder and extension
};

}  // namespace corvana
