// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// One call of ohmilka-code, as each command gets it: what was asked, in which language, and the
// streams to read and write.

#include "Messages.h"
#include "OptionTable.h"

#include <istream>
#include <ostream>

namespace ohmilka::cli {

struct Call {
    Arguments arguments;
    bool json;
    Texts texts;
    std::istream &in;
    std::ostream &out;
    std::ostream &err;
};

} // namespace ohmilka::cli
