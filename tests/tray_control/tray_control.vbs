' The registered control driven late-bound by a script host, as any automation client would.
' Script variables reach typed by-reference parameters as references to variants, which the
' host refuses; literals and expressions pass by value.
Option Explicit
Dim tray, failures
failures = 0

Sub Check(ok, what)
  If Not ok Then
    WScript.Echo "FAIL: " & what
    failures = failures + 1
  End If
End Sub

Set tray = CreateObject("KW_TrayIcon.KW_TrayNotification")
Check tray.Enabled, "Enabled is True when created"
Check Not tray.TrayIconRefresh(), "refresh before the first add"
Check Not tray.TrayIconDelete(), "delete before the first add"
Check tray.TrayIconAdd(0, "VNC Corvana " & "Version 1.1.2"), "add"
Check tray.TrayIconChangeToolTip(String(70, "x")), "change tip"
Check tray.TrayIconChangeIcon(0), "change icon"
Check tray.TrayIconRefresh(), "refresh"
tray.Enabled = False
Check Not tray.Enabled, "Enabled set to False"
tray.Enabled = True
Check tray.TrayIconDelete(), "delete"
Check Not tray.TrayIconRefresh(), "refresh after delete"
Set tray = Nothing

If failures = 0 Then WScript.Echo "tray control script: all checks passed"
WScript.Quit failures
