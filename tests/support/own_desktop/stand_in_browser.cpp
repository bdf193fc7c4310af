// Stands in for the web browser: writes its command line to <CORVANA_STANDIN_RECORD>.cmd.
#include <windows.h>

#include "stand_in_record.h"

int main() {
  WriteRecord(EnvironmentText("CORVANA_STANDIN_RECORD") + ".cmd", GetCommandLineA());
  return 0;
}
