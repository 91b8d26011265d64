// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "StartUp.h"

int main(int argc, char **argv)
{
    return ohmilka::runProgram(argc, argv);
}
