#pragma once

#include <iosfwd>

#include "cli/CTerminalOperator.h"
#include "imaging/CurrentImage.h"

// What a running command works with: the operator, the output stream for results, and the
// program's one current image.
struct CCliContext {
    CTerminalOperator& op;
    std::ostream& out;
    std::ostream& err;
    CurrentImage image;
};
