@rem project=‚³‚­‚ç‚³‚­‚ç
@set tempo=90
@set oto=
@set tool=
@set resamp=
@set output=sakura.wav
@set helper=sakura_helper.bat
@set cachedir=sakura.cache
@set flag=
@set env=

@del "%output%"
@mkdir "%cachedir%"

"%tool%" "%output%" "%oto%\R.wav" 0 666.667 0 0
@set params=120 100 
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 1
@set params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 2
@set params=100 100 
@set env=0 5 35 0 100 100 0 120
call %helper% ra B4 1453.333 120 95 1500 150 147 3
@set params=80 100 
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 4
@set params=80 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 5
@set params=80 100 
@set env=0 5 35 0 100 100 0 120
call %helper% ra B4 1120.000 120 95 1150 150 147 6
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ya A4 761.667 95 95 800 125 147 8
@set params=100 100 
@set env=0 5 35 0 100 100 0 150
call %helper% yo B4 816.667 150 95 850 180 149 9
@set params=100 100 
@set env=0 5 35 0 100 100 0 30
call %helper% i C5 696.667 30 95 750 60 148 10
@set params=100 100 
@set env=0 5 35 0 100 100 0 135
call %helper% no B4 801.667 135 95 850 165 150 11
@set params=100 100 
@set env=0 5 35 0 100 100 0 185
call %helper% so A4 851.667 185 120 900 215 150 12
@set params=100 100 
@set env=0 5 35 0 100 100 0 120
call %helper% ra B4 453.333 120 95 500 150 147 13
@set params=100 100 
@set env=0 5 35 0 100 100 0 35
call %helper% a A4 368.333 35 95 400 65 149 14
@set params=100 0 
@set env=0 5 35 0 100 100 0 35
call %helper% wa F4 1035.000 35 100 1100 65 146 15
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 140
call %helper% mi E4 806.667 140 95 850 170 146 17
@set params=100 100 
@set env=0 5 35 0 100 100 0 35
call %helper% wa C4 701.667 35 100 750 65 146 18
@set params=100 100 
@set env=0 5 35 0 100 100 0 90
call %helper% ta E4 756.667 90 185 800 120 149 19
@set params=100 100 
@set env=0 5 35 0 100 100 0 165
call %helper% su F4 831.667 165 120 900 195 147 20
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ka E4 761.667 95 185 800 125 146 21
@set params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% gi E4 413.333 80 120 450 110 148 22
@set params=100 100 
@set env=0 5 35 0 100 100 0 30
call %helper% i C4 363.333 30 95 400 60 148 23
@set params=100 100 
@set env=0 5 35 0 100 100 0 120
call %helper% ri B3 1120.000 120 95 1150 150 151 24
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ka A4 761.667 95 185 800 125 146 26
@set params=100 100 
@set env=0 5 35 0 100 100 0 165
call %helper% su B4 831.667 165 120 900 195 147 27
@set params=100 100 
@set env=0 5 35 0 100 100 0 140
call %helper% mi C5 806.667 140 95 850 170 146 28
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ka B4 761.667 95 185 800 125 146 29
@set params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 30
@set params=100 100 
@set env=0 5 35 0 100 100 0 135
call %helper% mo B4 468.333 135 95 500 165 151 31
@set params=100 100 
@set env=0 5 35 0 100 100 0 35
call %helper% o A4 368.333 35 100 400 65 148 32
@set params=100 0 
@set env=0 5 35 0 100 100 0 95
call %helper% ka F4 1095.000 95 185 1150 125 146 33
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 140
call %helper% ni E4 806.667 140 95 850 170 149 35
@set params=100 100 
@set env=0 5 35 0 100 100 0 35
call %helper% o C4 701.667 35 100 750 65 148 36
@set params=100 100 
@set env=0 5 35 0 100 100 0 30
call %helper% i E4 696.667 30 95 750 60 148 37
@set params=100 100 
@set env=0 5 35 0 100 100 0 170
call %helper% zo F4 836.667 170 120 900 200 146 38
@set params=100 100 
@set env=0 5 35 0 100 100 0 30
call %helper% i E4 696.667 30 95 750 60 148 39
@set params=100 100 
@set env=0 5 35 0 100 100 0 155
call %helper% zu E4 488.333 155 120 550 185 147 40
@set params=100 100 
@set env=0 5 35 0 100 100 0 25
call %helper% u C4 358.333 25 95 400 55 149 41
@set params=100 100 
@set env=0 5 35 0 100 100 0 110
call %helper% ru B3 1110.000 110 95 1150 140 147 42
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set flag=B30
@set tempo=84
@set env=0 5 35 0 100 100 0 30
call %helper% i A4 744.286 30 95 800 60 148 44
@set params=100 100 
@set env=0 5 35 0 100 100 0 155
call %helper% za A4 869.286 155 120 900 185 147 45
@set params=100 100 
@set flag=
@set env=0 5 35 0 100 100 0 95
call %helper% ya B4 1523.571 95 95 1550 125 147 46
@set params=100 100 
@set env=0 5 35 0 100 100 0 30
call %helper% i A4 744.286 30 95 800 60 148 47
@set params=100 100 
@set env=0 5 35 0 100 100 0 155
call %helper% za A4 869.286 155 120 900 185 147 48
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ya B4 1166.429 95 95 1200 125 147 49
@set tempo=72
"%tool%" "%output%" "%oto%\R.wav" 0 416.667 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 140
call %helper% mi E4 973.333 140 95 1000 170 146 51
@set params=100 100 
@set env=0 5 35 0 100 100 0 140
call %helper% ni F4 973.333 140 95 1000 170 149 52
@set params=100 100 
@set env=0 5 35 0 100 100 0 90
call %helper% yu B4 506.667 90 95 550 120 149 53
@set params=100 100 
@set env=0 5 35 0 100 100 0 25
call %helper% u A4 441.667 25 95 500 55 149 54
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ka F4 928.333 95 185 1000 125 146 55
@set params=100 100 
@set env=0 5 300 0 100 100 0 5
call %helper% n E4 3338.333 5 95 3400 35 149 56
"%tool%" "%output%" "%oto%\R.wav" 0 833.333 0 0

@if exist "%output%.whd" (
  if exist "%output%.dat" (
    copy /Y "%output%.whd" /B + "%output%.dat" /B "%output%"
    del "%output%.whd" "%output%.dat"
  )
)
