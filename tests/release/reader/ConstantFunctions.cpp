#include "ConstantFunctions.h"

#include <algorithm>
#include <array>

namespace pe {

namespace {

using namespace std::string_view_literals;

constexpr std::uint8_t kMovEaxImm32 = 0xB8;
constexpr std::uint8_t kRet = 0xC3;
constexpr std::size_t kFunctionSize = 6;

// The one-instruction no-ops that assemblers and linkers pad 32-bit code with,
// each of which may carry operand-size (66) or segment (2E) prefixes.
constexpr std::array kNoOps = {
    "\x90"sv,
    "\x89\xF6"sv,                          // mov esi, esi
    "\x8D\x76\x00"sv,                      // lea esi, [esi+0]
    "\x8D\x74\x26\x00"sv,                  // lea esi, [esi+eiz+0]
    "\x8D\xB6\x00\x00\x00\x00"sv,          // lea esi, [esi+0], 32-bit displacement
    "\x8D\xB4\x26\x00\x00\x00\x00"sv,      // lea esi, [esi+eiz+0], 32-bit displacement
    "\x8D\xBF\x00\x00\x00\x00"sv,          // lea edi, [edi+0], 32-bit displacement
    "\x8D\xBC\x27\x00\x00\x00\x00"sv,      // lea edi, [edi+eiz+0], 32-bit displacement
    "\x0F\x1F\x00"sv,                      // nop dword [eax]
    "\x0F\x1F\x40\x00"sv,                  // nop dword [eax+0]
    "\x0F\x1F\x44\x00\x00"sv,              // nop dword [eax+eax+0]
    "\x0F\x1F\x80\x00\x00\x00\x00"sv,      // nop dword [eax+0], 32-bit displacement
    "\x0F\x1F\x84\x00\x00\x00\x00\x00"sv,  // nop dword [eax+eax+0], 32-bit displacement
};

// The length of the no-op at the start of `bytes`, prefixes included; 0 when there is none.
std::size_t NoOpLength(std::string_view bytes)
{
    const std::size_t prefixes = std::min(bytes.find_first_not_of("\x66\x2E"sv), bytes.size());
    const std::string_view rest = bytes.substr(prefixes);
    for (const std::string_view noOp : kNoOps) {
        if (rest.substr(0, noOp.size()) == noOp)
            return prefixes + noOp.size();
    }
    return 0;
}

}  // namespace

std::vector<ConstantFunction> ReadConstantFunctions(ByteView code)
{
    const std::string_view bytes = code.Chars();
    std::vector<ConstantFunction> functions;
    for (std::size_t at = 0; at < bytes.size();) {
        if (code.U8(at) == kMovEaxImm32 && at + kFunctionSize <= bytes.size() && code.U8(at + 5) == kRet) {
            functions.push_back({static_cast<std::uint32_t>(at), code.U32(at + 1)});
            at += kFunctionSize;
        } else if (const std::size_t length = NoOpLength(bytes.substr(at)); length != 0) {
            at += length;
        } else {
            throw MalformedFile("neither a constant function nor a no-op at offset " + std::to_string(at) +
                                " of the code");
        }
    }
    return functions;
}

}  // namespace pe
