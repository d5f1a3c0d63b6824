#include "Gunzip.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr int kGzipOnly = 16 + MAX_WBITS;

}  // namespace

Inflated Gunzip(std::string_view compressed, std::size_t limit)
{
    Inflated result;
    z_stream stream = {};
    if (inflateInit2(&stream, kGzipOnly) != Z_OK)
        return {false, {}, "zlib cannot start inflating"};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());

    int status = Z_OK;
    char buffer[65536];
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        std::size_t produced = sizeof buffer - stream.avail_out;
        if (result.bytes.size() + produced > limit) {
            inflateEnd(&stream);
            return {false, {}, "more than the limit of " + std::to_string(limit) + " bytes once inflated"};
        }
        result.bytes.append(buffer, produced);
    }
    std::string message = stream.msg ? stream.msg : "the compressed data end too soon";
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return {false, {}, "not gzip data: " + message};
    result.ok = true;
    return result;
}
