# The sources of Data.dat: six levels in play order, then the best record.
set(ZARNOK_LEVEL_SOURCES
  resources/levels/level1.txt
  resources/levels/level1.txt
  resources/levels/level1.txt
  resources/levels/level1.txt
  resources/levels/level1.txt
  resources/levels/level1.txt
  resources/levels/best.txt)
