// VNCCorvana.exe: OLE on the user-interface thread, the start procedure, then window events only.
#include <windows.h>

#include "com/host/ole_init.h"
#include "core/pcaw.h"
#include "forms/message_loop.h"
#include "main_window/start_up.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  corvana::com::OleInitGuard ole;
  int code = 0;
  {
    corvana::Program program;
    program.Main();
    code = corvana::forms::RunMessageLoop();
  }
  // The gateway holds a COM object of this thread: released while OLE is still up.
  corvana::gPcAW.reset();
  return code;
}
