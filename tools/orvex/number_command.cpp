// orvex number: number pictures at the command line — formatting a value by
// a picture or as currency, reading text back by a picture, and the
// tokenized form of a picture.  The user's settings are used unless
// --default asks for the built-in profile.
//
// Texts reach the library byte for byte as the command line gives them.
#include <cstdio>
#include <string>
#include <vector>

#include "command.h"
#include "orvexrt.h"

namespace orvex {
namespace {

const Command *NumberCommand() {
    for (const Command &c : Commands())
        if (c.name == "number") return &c;
    return nullptr;
}

int Failure(const std::string &message) {
    std::fprintf(stderr, "orvex: number: %s\n", message.c_str());
    return kFailure;
}

// A writable, terminated copy of an argument.
std::vector<char> Text(std::string_view text) {
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    return copy;
}

// A block for a request under the chosen profile.
FMTCNTLBLOCK Block() {
    FMTCNTLBLOCK block{};
    FMTInitCntlBlock(&block);
    block.bUseIntl = 1;
    return block;
}

// Makes the chosen profile active.  The user's settings are read first
// either way: a profile still waiting for its first read would replace the
// built-in one at the next access.
void UseProfile(bool builtIn) {
    FMTSetProfileIntl();
    if (builtIn) FMTSetProfileDefault();
}

bool ReadValue(std::string_view text, NUMBER &value) {
    const std::vector<char> copy = Text(text);
    return NumAsciiToNumber(&value, copy.data()) == static_cast<int32_t>(text.size());
}

int Format(int32_t kind, std::string_view picture, std::string_view valueText, bool builtIn) {
    FMTCNTLBLOCK block = Block();
    if (!ReadValue(valueText, block.numValue))
        return UsageError("'" + std::string(valueText) + "' is not a number", NumberCommand());
    std::vector<char> pictureText = Text(picture);
    std::vector<char> output(FMT_MAX_NUMBER_TEXT + 64, '\0');
    block.nType = kind;
    block.lpszPicture = pictureText.data();
    block.lpszOutput = output.data();
    if (!FMTFormatNumber(&block, builtIn ? 0 : 1)) return Failure("the value cannot be shown by this picture");
    std::printf("%s\n", output.data());
    return kSuccess;
}

int Parse(std::string_view picture, std::string_view text) {
    FMTCNTLBLOCK block = Block();
    std::vector<char> pictureText = Text(picture), input = Text(text);
    std::vector<char> output(text.size() + 128, '\0');
    block.lpszPicture = pictureText.data();
    block.lpszInput = input.data();
    block.lpszOutput = output.data();
    if (!FMTUnformatNumberStr(&block))
        return Failure("'" + std::string(text) + "' does not read by the picture '" + std::string(picture) + "'");
    std::printf("%s\n", output.data());
    return kSuccess;
}

int Tokenize(std::string_view picture, bool builtIn) {
    FMTCNTLBLOCK block = Block();
    std::vector<char> pictureText = Text(picture);
    std::vector<char> output(3 * picture.size() + 1, '\0');
    block.lpszPicture = pictureText.data();
    block.lpszOutput = output.data();
    if (!FMTTokenizeNumberPic(&block, builtIn ? 0 : 1)) return Failure("the picture cannot be tokenized");
    for (const char *p = output.data(); *p; ++p)
        std::printf(p == output.data() ? "%02X" : " %02X", static_cast<unsigned char>(*p));
    std::printf("\n");
    return kSuccess;
}

} // namespace

int RunNumber(Args args) {
    std::vector<std::string_view> words;
    bool builtIn = false;
    for (std::string_view arg : args) {
        if (arg == "--default")
            builtIn = true;
        else
            words.push_back(arg);
    }
    UseProfile(builtIn);
    const std::string_view request = words.empty() ? std::string_view() : words[0];
    if (request == "format" && words.size() == 3) return Format(FMT_TYPE_NUMBER_PICTURE, words[1], words[2], builtIn);
    if (request == "currency" && words.size() == 2) return Format(FMT_TYPE_CURRENCY, "", words[1], builtIn);
    if (request == "parse" && words.size() == 3) return Parse(words[1], words[2]);
    if (request == "tokenize" && words.size() == 2) return Tokenize(words[1], builtIn);
    return UsageError("expected format PICTURE VALUE, parse PICTURE TEXT, currency VALUE or tokenize PICTURE",
                      NumberCommand());
}

} // namespace orvex
