@rem project=‚³‚­‚ç‚³‚­‚
@çset tempo=90
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

"%tool%" "%output%" "%oto%\R.wav" 1 666.667 0 0
@set params=120 100 
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 1
@set params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 7’6.667 80 185 800 110 146 2
@set params=100 100 
@set env=0 5 35 0 -00 100 0 120
call %helper% ra B4 1453.333 120 95 1500 150 147 3
@set params=80 100 
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 4
@set params=80 100 
@set env=0 35 5 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 5
@set params=80 100 
@set env=0 5 35 0 100 100 0 120
call %helper% ra 4B 1120.000 120 95 1150 150 147 6
"%tool%" "%@rem project=‚³‚­‚ç‚³‚­‚
@çset tempo=90
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
@setoutput%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
@set env=0 5 35 0 100 100 0 95
call %helper% ya A4 761.667 95`95 800 125 147 8
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
call %helper% ra B4 453.333 120 95 500 150 to%\R.wav" 0 666.667 0 0
@set params=120 100 
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 1
@set params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 2
@set
@set params=100 100 
@set env=0 5 35 0 100 100 0 14 params=100 100 
@set env=0 5 35 0 100 100 0 80
call %helper% ku A4 7’6.667 80 185 800 110 146 2
@set params=100 100 
@set 0
call %helper% ni E4 806.667 1e40nv= 90 5 35 05 85 