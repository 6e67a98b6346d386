#pragma once
// Decoding and encoding of label and title bytes. A cut never shows half a
// character: an incomplete trailing character is dropped.

#include "gfx/TextEncoding.h"

#include <QString>
#include <string>

QString DecodeText(const char* bytes, int count, TextEncoding encoding);
std::string DecodeToUtf8(const char* bytes, int count, TextEncoding encoding);
std::string EncodeText(const QString& text, TextEncoding encoding);
