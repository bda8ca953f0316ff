#pragma once

#include <iosfwd>

#include "items/CFontPT.h"
#include "items/CItemTable.h"

// How the printer commands print items, one row each.

// "ID  NAME  KIND  W x H dots (w x h mm)  pattern SIZE x COUNT  memory NEED bytes".
void PrintItemRow(std::ostream& out, const CFontPT& item, double dotsPerMm);
// The table's memory line as the desktop program shows it: "メモリ使用量　%d/240Kbyte".
void PrintMemoryLine(std::ostream& out, const CItemTable& items);
