// Stands in for the Java runner: writes its command line to <CORVANA_STANDIN_RECORD>.cmd and the
// arguments its C runtime parsed from it, one a line, to <CORVANA_STANDIN_RECORD>.args.
#include <windows.h>

#include <string>

#include "stand_in_record.h"

int main(int argc, char** argv) {
  const std::string record = EnvironmentText("CORVANA_STANDIN_RECORD");
  std::string args;
  for (int i = 1; i < argc; ++i) args += std::string(argv[i]) + "\n";
  WriteRecord(record + ".args", args);
  // Written last: a test that sees the command line finds the arguments already there.
  WriteRecord(record + ".cmd", GetCommandLineA());
  return 0;
}
