#pragma once
// JPEG files made for tests and timings with libjpeg: plain pictures, pictures whose
// header declares another size, and progressive ones that repeat a scan.
#include <cstdlib>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

// A w x h JPEG of `components` (1 grey, 3 colour): flat grey, or noise from `seed`, the
// hardest case for the decoder.
inline std::string EncodeJpeg(int w, int h, int components, bool progressive, unsigned seed = 0,
                              int quality = 75) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(w) * components, 128);
    for (JSAMPROW r = row.data(); cinfo.next_scanline < cinfo.image_height;) {
        if (seed)
            for (unsigned char& b : row) b = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 16);
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return bytes;
}

namespace jpeg_files {

inline int Length(const std::string& b, size_t at) {
    return static_cast<unsigned char>(b[at + 2]) << 8 | static_cast<unsigned char>(b[at + 3]);
}

// The segments of a JPEG: start of each marker, and of each scan its end (the
// entropy-coded data runs to the next marker, a 0xFF not followed by 0).
struct Segment {
    size_t at, end;
    unsigned char marker;
};
inline std::vector<Segment> Segments(const std::string& b) {
    std::vector<Segment> segments;
    for (size_t at = 2; at + 1 < b.size();) {
        const auto marker = static_cast<unsigned char>(b[at + 1]);
        if (marker == 0xD9) {
            segments.push_back({at, at + 2, marker});
            break;
        }
        size_t end = at + 2 + static_cast<size_t>(Length(b, at));
        if (marker == 0xDA)
            while (end + 1 < b.size() && !(b[end] == '\xFF' && b[end + 1] != 0)) ++end;
        segments.push_back({at, end, marker});
        at = end;
    }
    return segments;
}

}  // namespace jpeg_files

// The JPEG with its frame header declaring w x h (height at +5, width at +7).
inline std::string JpegDeclaringSize(std::string jpeg, int w, int h) {
    for (const jpeg_files::Segment& s : jpeg_files::Segments(jpeg)) {
        if (s.marker != 0xC0 && s.marker != 0xC2) continue;
        jpeg[s.at + 5] = static_cast<char>(h >> 8);
        jpeg[s.at + 6] = static_cast<char>(h);
        jpeg[s.at + 7] = static_cast<char>(w >> 8);
        jpeg[s.at + 8] = static_cast<char>(w);
        break;
    }
    return jpeg;
}

// The progressive JPEG with its scan number `scan` (from 0) given again until it has
// `scans` scans in all: the decoder warns of each repeat and walks the whole picture
// again. Empty when the JPEG has no such scan.
inline std::string JpegRepeatingScan(const std::string& jpeg, int scan, long scans) {
    std::string repeated;
    long count = 0;
    size_t eoi = 0;
    for (const jpeg_files::Segment& s : jpeg_files::Segments(jpeg)) {
        if (s.marker == 0xDA && count++ == scan) repeated = jpeg.substr(s.at, s.end - s.at);
        if (s.marker == 0xD9) eoi = s.at;
    }
    if (repeated.empty() || !eoi) return "";
    std::string out = jpeg.substr(0, eoi);
    out.reserve(out.size() + repeated.size() * static_cast<size_t>(scans > count ? scans - count : 0) + 2);
    for (; count < scans; ++count) out += repeated;
    return out + jpeg.substr(eoi);
}
