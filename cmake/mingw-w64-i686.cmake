# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

# Cross-compiling for 32-bit Windows.
set(mingw_processor i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
