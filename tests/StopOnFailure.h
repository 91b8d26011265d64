// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTest>

// Runs statement, a step that may fail the current test (a shared helper does where a control,
// window or row is missing), and ends the calling function once the test has failed: Qt 6.4's
// QVERIFY and QCOMPARE inside a helper leave only the helper.
#define RETURN_IF_FAILED(statement)                                                                \
    do {                                                                                           \
        statement;                                                                                 \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
