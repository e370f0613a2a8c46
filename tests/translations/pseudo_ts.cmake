# Writes a pseudo-translation of a .ts file: every message becomes
# "[[source]]", so that a text on screen that did not go through the
# translator stands out.   cmake -DIN=... -DOUT=... -P pseudo_ts.cmake
file(READ ${IN} text)
string(REGEX REPLACE "language=\"[^\"]*\"" "language=\"en\"" text "${text}")
string(REGEX REPLACE "<source>([^<]*)</source>([^<]*(<comment>[^<]*</comment>[^<]*)?)<translation>[^<]*</translation>"
       "<source>\\1</source>\\2<translation>[[\\1]]</translation>" text "${text}")
file(WRITE ${OUT} "${text}")
