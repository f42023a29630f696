1, 100, Center
0, 60, Left
1, 45, Right

1,80,center
0
1, 120
