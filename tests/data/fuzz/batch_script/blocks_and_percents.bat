@set x=%1
@if exist "%x%" (
  if /i not "%x%"=="A b" (set y=%%x%%) else (call %helper% "q r" %*)
) else @del "%y%.wav" /Q
((((
rem )
@"%tool%" "%output%" 0%stp% %3 %env%
