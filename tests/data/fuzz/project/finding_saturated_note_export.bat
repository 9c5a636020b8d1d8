@rem project=saturated note
@set tempo=120
@set params=100 100 
call %helper% a C99999999999 535.000 35 10 600 100 20 1
@set params=100 100 
call %helper% a C#-99999999999 535.000 35 10 600 100 20 2
