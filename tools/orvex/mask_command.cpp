// orvex mask: input masks at the command line — laying text into a mask,
// taking the typed characters back out, and what a mask is made of.
//
// Masks and texts are converted from the terminal's UTF-8 to the ANSI code
// page, whose letters the mask classes know, and results back.
#include <cstdio>
#include <string>
#include <vector>

#include "command.h"
#include "numfmt/mask_core.h"
#include "orvexrt.h"
#include "terminal_text.h"

namespace orvex {
namespace {

const Command *MaskCommand() {
    for (const Command &c : Commands())
        if (c.name == "mask") return &c;
    return nullptr;
}

int Failure(const std::string &message) {
    std::fprintf(stderr, "orvex: %s\n", message.c_str());
    return kFailure;
}

int Apply(const std::string &mask, const std::string &text) {
    const int32_t size = FMTMaskedBufferSize(FMTMaskPositions(mask.c_str()), text.c_str());
    std::vector<char> output(static_cast<size_t>(size), '\0');
    if (!FMTMaskText(text.c_str(), output.data(), mask.c_str()))
        return Failure("'" + ToTerminal(mask) + "' is not a valid mask");
    std::printf("%s\n", ToTerminal(output.data()).c_str());
    return kSuccess;
}

int Strip(const std::string &mask, const std::string &text) {
    std::vector<char> input(text.begin(), text.end());
    input.push_back('\0');
    std::vector<char> picture(mask.begin(), mask.end());
    picture.push_back('\0');
    std::vector<char> output(text.size() + 1, '\0');
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.lpszInput = input.data();
    block.lpszPicture = picture.data();
    block.lpszOutput = output.data();
    if (!FMTUnmaskInput(&block))
        return Failure("'" + ToTerminal(text) + "' does not fit the mask '" + ToTerminal(mask) + "'");
    std::printf("%s\n", ToTerminal(output.data()).c_str());
    return kSuccess;
}

const char *YesNo(bool value) { return value ? "yes" : "no"; }

int Check(const std::string &mask) {
    const bool valid = FMTIsValidMaskFormat(FMTMaskPositions(mask.c_str())) != 0;
    std::printf("mask:            %s\n", ToTerminal(mask).c_str());
    std::printf("valid:           %s\n", YesNo(valid));
    std::printf("mask characters: %d\n", static_cast<int>(FMTCntMaskChars(mask.c_str())));
    std::printf("literals:        %d\n", static_cast<int>(FMTCntNonMaskChars(mask.c_str())));
    std::printf("unlimited:       %s\n", YesNo(FMTIsPicUnlimited(mask.c_str())));
    std::printf("kept masked:     %s\n", YesNo(FMTIsPicNoUnmaskOnGets(mask.c_str())));
    return valid ? kSuccess : kFailure;
}

} // namespace

int RunMask(Args args) {
    if (args.size() == 3 && args[0] == "apply") return Apply(ToAnsi(args[1]), ToAnsi(args[2]));
    if (args.size() == 3 && args[0] == "strip") return Strip(ToAnsi(args[1]), ToAnsi(args[2]));
    if (args.size() == 2 && args[0] == "check") return Check(ToAnsi(args[1]));
    return UsageError("expected apply MASK TEXT, strip MASK TEXT or check MASK", MaskCommand());
}

} // namespace orvex
