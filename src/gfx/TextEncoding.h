#pragma once

// How the bytes of labels and titles are shown.
enum class TextEncoding { ShiftJis, Utf8 };
