#pragma once

// Message box styles, numbered as the original message box call numbered them.
enum class MessageStyle { Exclamation = 48, Information = 64 };
