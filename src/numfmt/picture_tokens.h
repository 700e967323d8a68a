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
// picture and "$" when tokenizing; those and scientific pictures when
// untokenizing and converting from the old syntax.
bool FMTIsSettingsFormPicture(const char *picture);
bool FMTPassesConversionUnchanged(const char *picture);

// The frame the converter exports share: the block's picture goes into its
// output (which has no bound), copied as it is where `passesThrough` says
// so, else converted under the settings that `settingsOf` fills in.  1 when
// written; 0 without an output or a picture, or when the settings are
// refused.
template <typename PassesThrough, typename SettingsOf>
uint32_t FMTConvertBlockPicture(const FMTCNTLBLOCK *block, PassesThrough passesThrough, SettingsOf settingsOf,
                                void (*convert)(const char *, const FMTPictureSettings &, FMTTextSink &)) {
    if (!block || !block->lpszOutput) return 0;
    FMTTextSink out(block->lpszOutput, FMTTextSink::kUnbounded);
    const char *picture = block->lpszPicture;
    if (!picture) return 0;
    if (passesThrough(picture)) {
        out.Put(picture);
        return 1;
    }
    FMTPictureSettings settings;
    if (!settingsOf(*block, settings)) return 0;
    convert(picture, settings, out);
    return 1;
}

// The plain picture of a request: the picture itself, or for a tokenized one
// its plain form under the block's settings (active profile unchanged) in
// `buffer`.  Null when that does not fit the buffer or the block's currency
// symbol is too long.
const char *FMTPlainPictureOf(const char *picture, const FMTCNTLBLOCK &block, char (&buffer)[kFMTPlainPictureSize]);
