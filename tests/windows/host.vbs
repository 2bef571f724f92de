' Does what the host does with the plug-in, through the platform's own automation runtime:
' creates Quiverstep.DitherPlugIn, asks for events, starts guiding, corrects and dithers,
' with the camera test double standing in for the host's camera. Every check prints
' "ok NAME" or "not ok NAME: ..."; the last line is "host PHASE: N passed, N failed", which
' the caller requires, since a script that dies halfway prints nothing more.
'
' cscript //nologo host.vbs PHASE [CASE]   (PHASE: events, errors, faults, pattern, delay,
' guidestart, hostile; CASE names the checks of a hostile store)
Option Explicit

Dim fso, recordPath, passed, failed, camera, plugIn, prefix
Set fso = CreateObject("Scripting.FileSystemObject")
recordPath = CreateObject("WScript.Shell").Environment("Process")("QUIVERSTEP_CAMERA_RECORD")
passed = 0
failed = 0
If WScript.Arguments.Count > 1 Then prefix = WScript.Arguments(1) & ": "

Sub Check(name, actual, expected)
    If CStr(actual) = CStr(expected) Then
        passed = passed + 1
        WScript.Echo "ok " & prefix & name
    Else
        failed = failed + 1
        WScript.Echo "not ok " & prefix & name & ": got [" & actual & "], expected [" & expected & "]"
    End If
End Sub

' The camera record after "mark TEXT", lines joined by " | ".
Function RecordSince(text)
    Dim stream, record, at
    Set stream = fso.OpenTextFile(recordPath, 1)
    record = " | " & Replace(stream.ReadAll, vbCrLf, " | ")
    stream.Close
    at = InStr(record, " | mark " & text & " | ")
    RecordSince = ""
    If at > 0 Then RecordSince = Mid(Left(record, Len(record) - 3), at + Len(text) + 11)
End Function

' A guide frame with these errors; the record of what it did follows "mark TEXT".
Sub GuideFrame(errorX, errorY, text)
    camera.GuideErrorX = errorX
    camera.GuideErrorY = errorY
    camera.DoubleMark = text
    plugIn.CameraEvent 22, 1, "", 0, 0
End Sub

' The number of the error that a statement raises (Execute and Eval are not to be relied on
' here).
Function ErrorOf(statement)
    On Error Resume Next
    Select Case statement
        Case "XOffset = ""abc""": plugIn.XOffset = "abc"
        Case "NoSuchMember = 1": plugIn.NoSuchMember = 1
        Case "Debugging = 40000": plugIn.Debugging = 40000
        Case "CameraEvent 22": plugIn.CameraEvent 22
        Case "guide frame": plugIn.CameraEvent 22, 1, "", 0, 0
        Case "image": plugIn.CameraEvent 19, 0, "", 0, 0
        Case "Settings": plugIn.Settings
        Case "myDelay Null": plugIn.myDelay Null
        Case Else: Err.Raise 5
    End Select
    ErrorOf = Err.Number
End Function

Sub StartGuiding(text)
    camera.AutoguiderMaximumMove = 1000
    camera.AutoguiderMinimumMove = 100
    GuideFrame 0, 0, text
End Sub

' A new plug-in, as the host makes it, and the host's first questions.
Sub Events()
    Check "Name", plugIn.Name, "Quiverstep Guider 1.1.8"
    Dim events, i
    events = Array(19, 1, 22, 1, 0, 0, 20, 0)
    For i = 0 To UBound(events) Step 2
        plugIn.bGuiding = True
        ' In parentheses: a variable would go by reference as a Variant, which a Long
        ' parameter by reference does not take from a script.
        Check "WantEvent(" & events(i) & ")", plugIn.WantEvent((events(i))), events(i + 1)
        Check "WantEvent(" & events(i) & ") clears bGuiding", plugIn.bGuiding, False
    Next
    plugIn.NumberToAverage = 5
    Check "NumberToAverage ignores writes", plugIn.NumberToAverage, 1

    StartGuiding "start"
    Check "guide start: camera", RecordSince("start"), "create | put Autoguider = 1 | get GuideErrorX -> 0 | " & _
        "get GuideErrorY -> 0 | get AutoguiderMaximumMove -> 1000 | get AutoguiderMinimumMove -> 100 | release"
    Check "guide start: nMaxMove", plugIn.nMaxMove, 1
    Check "guide start: nMinMove", plugIn.nMinMove, 0.1
    Check "guide start: offsets", plugIn.XOffset & "," & plugIn.YOffset, "16,16"
    Check "guide start: bGuiding", plugIn.bGuiding, False

    camera.DoubleMark = "image before correction"
    plugIn.CameraEvent 19, 0, "", 0, 0
    Check "image before a correction: nothing", RecordSince("image before correction") & plugIn.XOffset, "16"

    GuideFrame 0.5, -0.2, "correction"
    Check "correction: camera", RecordSince("correction"), _
        "create | put Autoguider = 1 | get GuideErrorX -> 0.5 | get GuideErrorY -> -0.2 | " & _
        "put Autoguider = 1001 | get GuideErrorX -> 0.5 | get GuideErrorY -> -0.2 | put Autoguider = 1 | " & _
        "put Autoguider = 1001 | put EnabledXAxis = True | put enabledyaxis = True | call Move(16.5, 15.8, &16, &16) | " & _
        "put EnabledXAxis = False | put enabledyaxis = False | put Autoguider = 1 | put Autoguider = 0 | release"
    Check "correction: bGuiding", plugIn.bGuiding, True

    camera.DoubleMark = "image"
    plugIn.CameraEvent 19, 0, "", 0, 0
    Check "image: no camera", RecordSince("image"), ""
    Check "image: first spiral step", plugIn.XOffset & "," & plugIn.YOffset, "15,16"
    Check "image: bGuiding", plugIn.bGuiding, False
    plugIn.CameraEvent 19, 0, "", 0, 0
    Check "image without a correction since: no dither", plugIn.XOffset & "," & plugIn.YOffset, "15,16"
    WScript.Echo "offsets " & plugIn.XOffset & " " & plugIn.YOffset
End Sub

' The automation runtime's conversions and errors, from the type library.
Sub Errors()
    plugIn.XOffset = "17.5"
    Check "text converted to Double", plugIn.XOffset, 17.5
    Check "text that is no number: type mismatch", ErrorOf("XOffset = ""abc"""), 13
    Check "unknown member", ErrorOf("NoSuchMember = 1"), 438
    Check "Integer overflow", ErrorOf("Debugging = 40000"), 6
    Check "missing arguments", ErrorOf("CameraEvent 22"), 450
    plugIn.Debugging = 3
    Check "Debugging", plugIn.Debugging, 3
    plugIn.Debugging = 0
End Sub

' A member that fails, and a camera that cannot be created: the event returns normally and
' is handled as a guide start.
Sub Faults()
    StartGuiding "faults"
    Dim stored
    stored = plugIn.XOffset
    GuideFrame 0.5, -0.2, "guiding"
    camera.DoubleFail = "GuideErrorX"
    camera.DoubleMark = "failing member"
    Check "failing member: no error", ErrorOf("guide frame"), 0
    Check "failing member: guide start, no move", InStr(RecordSince("failing member"), "call Move"), 0
    Check "failing member: bGuiding", plugIn.bGuiding, False
    camera.DoubleFail = ""

    plugIn.nMaxMove = 5
    plugIn.XOffset = 3
    plugIn.bGuiding = True
    camera.DoubleCreateFails = True
    camera.DoubleMark = "absent"
    Check "absent camera: no error", ErrorOf("guide frame"), 0
    Check "absent camera: nothing but the refused creation", RecordSince("absent"), "create refused"
    Check "absent camera: offset reloaded", plugIn.XOffset, stored
    Check "absent camera: nMaxMove kept", plugIn.nMaxMove, 5
    Check "absent camera: bGuiding", plugIn.bGuiding, False
End Sub

' A pattern stored in the registry by hand, walked by guiding and imaging.
Sub Pattern()
    ' A Single from the camera, which the log's header writes.
    camera.exposureTime = CSng(0.1)
    StartGuiding "pattern"
    Check "pattern: guide start at the stored offset", plugIn.XOffset & "," & plugIn.YOffset, "18,16"
    Dim walk, i
    walk = ""
    For i = 1 To 4
        GuideFrame 0.1, 0.1, "step " & i
        plugIn.CameraEvent 19, 0, "", 0, 0
        walk = walk & " " & plugIn.XOffset & "," & plugIn.YOffset
    Next
    Check "pattern: walk", walk, " 16,18 14,16 18,16 16,18"
End Sub

' A guide start, which writes the log's header when the log is on.
Sub GuideStart()
    StartGuiding "guide start"
    Check "guide start: bGuiding", plugIn.bGuiding, False
End Sub

' myDelay pumps the user interface until the settings dialog's timer ticks.
Sub Delay()
    Dim started, waited
    started = Timer
    plugIn.myDelay 100
    Check "myDelay(100) returns at once", Timer - started < 0.05, True
    started = Timer
    Check "myDelay(Null): no error", ErrorOf("myDelay Null"), 0
    Check "myDelay(Null) returns at once", Timer - started < 0.05, True
    started = Timer
    plugIn.myDelay 300
    waited = Timer - started
    Check "myDelay(300) waits", waited >= 0.28 And waited < 2, True
End Sub

' Over whatever the store holds: each event returns, and Settings opens its dialog (which the
' camera double closes) and returns, all without an error.
Sub Hostile()
    camera.AutoguiderMaximumMove = 1000
    camera.AutoguiderMinimumMove = 100
    camera.GuideErrorX = 0
    camera.GuideErrorY = 0
    Check "guide start returns", ErrorOf("guide frame"), 0
    WScript.Echo "offsets " & plugIn.XOffset & " " & plugIn.YOffset
    camera.GuideErrorX = 0.3
    camera.GuideErrorY = -0.2
    Check "correction returns", ErrorOf("guide frame"), 0
    Check "image returns", ErrorOf("image"), 0
    camera.DoubleClose = "Quiverstep 1.1 Settings"
    camera.DoubleMark = "settings"
    Check "Settings returns", ErrorOf("Settings"), 0
    ' The dither box's timed message may still be open from the image.
    Check "Settings opened its dialog", Replace(RecordSince("settings"), "window Quiverstep: Error | ", ""), _
        "window Quiverstep 1.1 Settings"
End Sub

Set camera = CreateObject("CCDSoft.Camera")
Set plugIn = CreateObject("Quiverstep.DitherPlugIn")
Select Case WScript.Arguments(0)
    Case "events" Events
    Case "errors" Errors
    Case "faults" Faults
    Case "pattern" Pattern
    Case "delay" Delay
    Case "guidestart" GuideStart
    Case "hostile" Hostile
End Select
WScript.Echo "host " & WScript.Arguments(0) & ": " & passed & " passed, " & failed & " failed"
