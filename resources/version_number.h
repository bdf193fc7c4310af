#pragma once
// The program's version, named once for its version record and for the code that shows it.
#define CORVANA_VERSION_MAJOR 1
#define CORVANA_VERSION_MINOR 1
#define CORVANA_VERSION_REVISION 2

#define CORVANA_VERSION_TEXT_(a, b, c) #a "." #b "." #c
#define CORVANA_VERSION_TEXT_OF(a, b, c) CORVANA_VERSION_TEXT_(a, b, c)
// "1.1.2"
#define CORVANA_VERSION_TEXT \
  CORVANA_VERSION_TEXT_OF(CORVANA_VERSION_MAJOR, CORVANA_VERSION_MINOR, CORVANA_VERSION_REVISION)
