@rem project=Ç≥Ç≠ÇÁÇ≥Çrams=100 100 
@set env=0 5 30 100 0@rem project=old
@set tempo=150
@set env=0 10 30 0 90 90 0 45
@set stp=20
call %helper% ka_hi C5 245.000 45 6 300 61  ∆œﬂ2
@set params=100 100 
@set tempo=0
call %helper% zz Db-3 55.000 30 100 A#5#
@set flag=B50
@set tempo=150
@set env=0 10 30 0 90 90 0 41
@set stp=20
call %helper% ka_hi C5 245.000 45 6 300 61 -90 2
@set params=100 100 
@set tempo=0
call %helper% zz Db-3 55.000 30 10 100 100 20 3
@set env=0 5 35 0 100 100 0 180
call %helper% sa A4 846.667 180 120 900 210 147 4
@set params=80 1ˇˇˇˇˇˇˇˇt env=0 35 5 0 100 100 0 80
call %helper% ku A4 746.667 80 185 800 110 146 5
@set params=80 100 
@set env=0 5 35 0 100 100 0 120qitches=5Q120 1 2
call %helper% a C4 535.000 35 10 600 100 20 1
@set params=80 100 A#5#
@set flag=B50
@set tempo=150
@set env=0 10 30 0 90 90 0 45
@set stp=20
call %helper% ka_hi 0 146 17
@set par0 61 -90 2
@set params=100 100 
@set tempo=0
call$%helper% zz Db-3 55.000 30 10 100 lper% ra B4 1120.000 120 95 1150 150 147 6
"%tool%" "%output%" "%oto%\R.wav" 0 333.333 0 0
@set params=100 100 
t env=0 5 35 0 100 100 0 185
call %helper% so A4 851.667 185 120 900 215 150 12
@set params=100 100 
@se. env=0 5 35 0 100 100 0 120
call %helper€ﬂçûﬂΩÀ‹453.333 120 95 500 150 147 13
@set params=100 10@rem project=old @t
estempo=120
@set flag=g-2
"%tool%" "%output%" "%oto%\R.wav" 0 250.000 0 0
@mkdir "%cach@set pitches=5Q120 1 2
call %helper% a C4 535.000 35 10 600 100 20 1
@set params=80 100 A#5#
@set flag=B50
@set tempo=150
@set env=0 10 30 0 90 90 0 45
@set stp=20
call %h3 55.000 30 10 100 100 20 3
 mi‡∫Àﬂ«œ…À667 140 95 850 170 146 17
@set params=100 100 
@set env=0 5 30 100 0@rem project=old
@set 7 1
@set params=100 100 
@set env=0 5 35 0 ±00 100 0 80
call %helper% ku A4 746.667 80 185 080 110 146 2
@set params=100 100 Ûıøåöãﬂönv=0 5 35 0 100 100 0 120
call %he 100 100 0 30
call %helper% i C5 696.667 30 95 750 60 148 10
@set params=100 100 
@set env=0 5 35 0 100 10∞ 0 135
call %helper% no B4 801.667 135 95 850 165 150 11
@set params=100 100 
@set env=0 5 35 0 100 100 0 185
call %helper% so A4 851.667 185 120 900 215 150 12
@set params=100 100lper% ra B4 1453.333 120 95 1500 150 147 3
@set params=80 100 
@set 
@set env=0 5 35 0 100 100 0 120 
calle