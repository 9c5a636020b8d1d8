@rem project=huge octave
@set tempo=120
@set oto=
@set params=100 100 
@set env=0 5 35 0 100 100 0 35
call %helper% a B9999999999999999999999999999999999999994 535.000 35 10 600 100 20 1
