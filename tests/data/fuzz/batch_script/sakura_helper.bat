@if "%params%"=="100 100 " (set temp=%cachedir%\%1_%2_%6.wav) else (set temp=%cachedir%\%9_%1_%2_%6.wav)
@if not exist "%temp%" ("%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%)
@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%
