@rem project=old
@set tempo=120
@set flag=g-2
"%tool%" "%output%" "%oto%\R.wav" 0 250.000 0 0
@set pitches=5Q120 1 2
call %helper% a C4 535.000 35 10 600 100 20 1
@set params=80 100 A#5#
@set flag=B50
@set tempo=150
@set env=0 10 30 0 90 90 0 45
@set stp=20
call %helper% ka_hi C5 245.000 45 6 300 61 -90 2
@set params=100 100 
@set tempo=0
call %helper% zz Db-3 55.000 30 10 100 100 20 3
