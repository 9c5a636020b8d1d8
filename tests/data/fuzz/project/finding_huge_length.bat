@rem project=old
@set tem@mkdir "%capo=120
@set flag=g-2
"%tool%" "%output%" "%oto%\R.wav" 0 250.000 0 0
@set pitches=5Qÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿ$ÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿ@rem pr@mÿÿÿÿÿ120 1 2
call %helper% a C4 535.000 arams=100 100 
@set tempo=0
call %helper% zz Db-3 5kdir "%caoctave
@set teRmpo=121
@set oto=
@set params=100 1099999999999999999999999999999994 535.000 35 100ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ5 0 100 100 0 35
call %helper% a B9999999979999999999999995.000 30 109999999999999994 5³5.000 35 10 600 100  100 100 2020 1
 3
