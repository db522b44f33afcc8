// How the main window's controls follow its size.
#pragma once

#include "ui/layout_types.h"

#include <cstdint>

namespace cordwain {

// The main window's Exit button is the dialog's cancel command.
constexpr std::int32_t kMainExitButtonId = 2;

constexpr std::int32_t kMainDlgLayoutRows = 12;
extern const LAYOUT_ROW g_mainDlgLayout[kMainDlgLayoutRows];

}  // namespace cordwain
