' Wine's script host creates the control by ProgID and asks the TigerVNC server of the fixture
' for its version, as any late-bound client would. Argument: the fixture's state file.
' A script variable would reach the typed by-reference parameters as a reference to a variant,
' which the platform refuses as a type mismatch; an expression passes by value.
Option Explicit
Dim failures
failures = 0

Sub Check(ok, what)
  If ok Then
    WScript.Echo "ok: " & what
  Else
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub

Dim fso, stateFile, fields, port, probe, version, mismatch
Set fso = CreateObject("Scripting.FileSystemObject")
Set stateFile = fso.OpenTextFile(WScript.Arguments(0), 1)
fields = Split(stateFile.ReadLine(), " ")
port = fields(0)
stateFile.Close

Set probe = CreateObject("Pinglet.rfbControl")
Call Check(probe.VNC_ServerVersion = "", "no version before a probe")
version = probe.GetServerVersion("127.0.0.1", CStr(port))
Call Check(version = "3.8", "TigerVNC greets with 3.8, got '" & version & "'")
Call Check(probe.VNC_ServerVersionMajor = 3 And probe.VNC_ServerVersionMinor = 8, "major and minor")
Call Check(probe.VNC_Authentication = 0, "VNC_Authentication is 0")
Call Check(probe.State = 0, "closed after the probe")

On Error Resume Next
probe.RemotePort = "no port"
mismatch = Err.Number
On Error GoTo 0
Call Check(mismatch = 13, "a port that is no number is a type mismatch, got " & mismatch)

If failures = 0 Then WScript.Echo "rfb control script: all checks passed"
