// Timing of exercise pictures at the limits the player admits: progressive JPEGs made
// to repeat one scan until the file holds 800 KB, 6 MB or the 64 MiB cap (each refused
// once its scans pass what photos use), a real progressive photo of 40 million pixels,
// and PNGs of 35 million pixels. The time is what the screen waits for one figure.
#include <fstream>
#include <memory>
#include <string>

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "JpegFiles.h"
#include "platform/Errors.h"
#include "platform/Graphics.h"

namespace {

std::unique_ptr<QTemporaryDir> dir;

std::string Path(const std::string& name) { return (dir->path() + "/").toStdString() + name; }

void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(Path(name), std::ios::binary) << bytes;
}

// 8000 x 5000 declared, colour: every scan walks 940,000 blocks (the luminance alone
// 625,000).
constexpr int kWide = 8000, kHigh = 5000;

// Scan `scan` of a small progressive colour JPEG declaring 8000 x 5000, repeated
// until the file holds `bytes`.
std::string Crafted(int scan, size_t bytes) {
    const std::string jpeg = JpegDeclaringSize(EncodeJpeg(16, 16, 3, true), kWide, kHigh);
    size_t scanBytes = 1;
    int count = 0;
    for (const jpeg_files::Segment& s : jpeg_files::Segments(jpeg))
        if (s.marker == 0xDA && count++ == scan) scanBytes = s.end - s.at;
    return JpegRepeatingScan(jpeg, scan, static_cast<long>(count + (bytes - jpeg.size()) / scanBytes));
}

void Load(benchmark::State& state, const std::string& name) {
    bool shown = false;
    for (auto _ : state) {
        TPicture picture;
        try {
            picture.LoadFromFile(Path(name));
            shown = true;
        } catch (const EFileError&) {
            shown = false;
        }
        benchmark::DoNotOptimize(picture.Width());
    }
    state.SetLabel(shown ? "shown" : "refused");
}

void BM_JpegRepeatingAScan(benchmark::State& state) {
    const int scan = static_cast<int>(state.range(0));
    const size_t bytes = static_cast<size_t>(state.range(1));
    const std::string name = "scan" + std::to_string(scan) + "-" + std::to_string(bytes) + ".jpg";
    Write(name, Crafted(scan, bytes));
    Load(state, name);
}
// Scan 0: the first scan of every component's DC; scan 1: the luminance's first AC
// scan, the dearest to walk; then 800 KB and 6 MB files, and the 64 MiB cap.
BENCHMARK(BM_JpegRepeatingAScan)
    ->ArgsProduct({{0, 1, 4, 9}, {800 << 10, 6 << 20, (64 << 20) - 4096}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ProgressivePhoto40Mpx(benchmark::State& state) {
    Write("photo.jpg", EncodeJpeg(kWide, kHigh, 3, true, 1, static_cast<int>(state.range(0))));
    Load(state, "photo.jpg");
}
// Noise, the hardest photo to decode: 14 MB at quality 75, 57 MB at 100.
BENCHMARK(BM_ProgressivePhoto40Mpx)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Png35Mpx(benchmark::State& state) {
    QImage image(7000, 5000, state.range(0) ? QImage::Format_RGBX64 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    image.save(QString::fromStdString(Path("photo.png")), "PNG");
    Load(state, "photo.png");
}
BENCHMARK(BM_Png35Mpx)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    dir = std::make_unique<QTemporaryDir>();
    benchmark::RunSpecifiedBenchmarks();
    dir.reset();
    benchmark::Shutdown();
    return 0;
}
