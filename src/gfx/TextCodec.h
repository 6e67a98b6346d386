#pragma once
// Decoding and encoding of label and title bytes. A cut never shows half a
// character: an incomplete trailing character is dropped.

#include "gfx/TextEncoding.h"

#include <QString>
#include <string>
#include <vector>

// One whole character of a byte string: where its bytes lie and what it is.
// A byte that starts no valid character becomes U+FFFD, one byte long.
struct DecodedChar {
    int offset = 0;
    int bytes = 0;
    char32_t code = 0;
};

// Builds the Shift-JIS table now; ends the program with a message when Qt
// has no Shift-JIS codec. Decoding prepares it on first use otherwise.
void PrepareTextCodec();

// Splits count bytes into whole characters (out is cleared first; its
// capacity is kept, so a caller can reuse it without allocating).
void DecodeChars(const char* bytes, int count, TextEncoding encoding, std::vector<DecodedChar>& out);

QString DecodeText(const char* bytes, int count, TextEncoding encoding);
std::string DecodeToUtf8(const char* bytes, int count, TextEncoding encoding);
std::string EncodeText(const QString& text, TextEncoding encoding);
