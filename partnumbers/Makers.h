// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Each maker's keys, described in a source file of its own.

#include "Key.h"
#include "Offers.h"

namespace ohmilka::partnumbers {

extern const Key yageoRc, yageoAc, yageoRt;
extern const Key panasonicErj;
extern const Key koaRk73h, koaRk73b, koaRk73a, koaRk73z, koaRn73h, koaRn73r, koaRn73;
extern const Key samsungRc;
extern const Key rohmMcr, rohmEsr;
extern const Key uniOhm;
extern const Key walsinWr;
extern const Key bournsCr;
extern const Key vishayCrcw, vishayTnpw;
extern const Key stackpoleRmcf, stackpoleRmcp;
extern const Key teCrg;

// What each maker offers of the families whose part numbers are written.
extern const Offering yageoRcOffering, yageoRtOffering;
extern const Offering vishayCrcwOffering, vishayTnpwOffering;
extern const Offering panasonicErjOffering;
extern const Offering stackpoleRmcfOffering, stackpoleRmcpOffering;
extern const Offering teCrgOffering;
extern const Offering bournsCrOffering;
extern const Offering koaRk73bOffering;

} // namespace ohmilka::partnumbers
