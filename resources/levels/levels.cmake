# The sources of Data.dat: six levels in play order, then the best record.
set(ZARNOK_LEVEL_SOURCES
  resources/levels/level1.txt
  resources/levels/level2.txt
  resources/levels/level3.txt
  resources/levels/level4.txt
  resources/levels/level5.txt
  resources/levels/level6.txt
  resources/levels/best.txt)
