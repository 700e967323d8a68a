// Tokenized number pictures inside the library: the converters behind the
// exports, written against a bounded text, and the plain form of a picture
// that formatting, validity and unformatting read.
#pragma once

#include "numfmt/numfmt_text.h"
#include "numfmt/picture_settings.h"

// The buffer of a picture's plain form (terminator included).
constexpr size_t kFMTPlainPictureSize = 64;

// Writes the tokenized form of a plain picture.
void FMTTokenizePicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out);
// Writes the plain form of a tokenized picture under the settings.
void FMTUntokenizePicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out);
// Writes a picture of the old syntax in the current one.
void FMTConvertOldPicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out);

// Whether a picture passes through the converters unchanged: the empty
// picture and "$" (and, for untokenizing and converting, scientific ones).
bool FMTIsSettingsFormPicture(const char *picture);

// The plain picture of a request: the picture itself, or for a tokenized one
// its plain form under the block's settings (active profile unchanged) in
// `buffer`.  Null when that does not fit the buffer or the block's currency
// symbol is too long.
const char *FMTPlainPictureOf(const char *picture, const FMTCNTLBLOCK &block, char (&buffer)[kFMTPlainPictureSize]);
