// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message box styles, by their classic style codes: 48 exclamation, 64 information.
enum class MessageStyle { Exclamation = 48, Information = 64 };
