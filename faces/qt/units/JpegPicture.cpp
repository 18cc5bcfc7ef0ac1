#include "faces/qt/units/JpegPicture.h"

#include <dlfcn.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg is loaded for each picture and let go after: a window decodes its pictures as it
// loads, and the library kept mapped would stay half a megabyte resident for the whole run.
class JpegLibrary {
public:
    JpegLibrary() : m_handle(dlopen(ANGLARIX_JPEG_SONAME, RTLD_NOW | RTLD_LOCAL))
    {
        if (m_handle == nullptr)
            return;
        const bool found = Find(std_error, "jpeg_std_error") && Find(create, "jpeg_CreateDecompress") &&
                           Find(read_header, "jpeg_read_header") && Find(start, "jpeg_start_decompress") &&
                           Find(read_scanlines, "jpeg_read_scanlines") &&
                           Find(destroy, "jpeg_destroy_decompress") &&
                           Find(resync_to_restart, "jpeg_resync_to_restart");
        if (!found) {
            dlclose(m_handle);
            m_handle = nullptr;
        }
    }
    ~JpegLibrary()
    {
        if (m_handle != nullptr)
            dlclose(m_handle);
    }
    JpegLibrary(const JpegLibrary&) = delete;
    JpegLibrary& operator=(const JpegLibrary&) = delete;

    bool Loaded() const { return m_handle != nullptr; }

    decltype(&jpeg_std_error) std_error = nullptr;
    decltype(&jpeg_CreateDecompress) create = nullptr;
    decltype(&jpeg_read_header) read_header = nullptr;
    decltype(&jpeg_start_decompress) start = nullptr;
    decltype(&jpeg_read_scanlines) read_scanlines = nullptr;
    decltype(&jpeg_destroy_decompress) destroy = nullptr;
    decltype(&jpeg_resync_to_restart) resync_to_restart = nullptr;

private:
    template <class F>
    bool Find(F& function, const char* name)
    {
        function = reinterpret_cast<F>(dlsym(m_handle, name));
        return function != nullptr;
    }

    void* m_handle;
};

// A real progressive picture has about ten scans; thousands of empty ones only cost time.
constexpr int kMaxScans = 256;

// libjpeg reports a fatal error by calling error_exit, whose default ends the process. Ours
// jumps back to the decoder instead, which then gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void KeepQuiet(j_common_ptr) {}

// Warnings that mean the pixels are wrong make the picture broken; the others (an unknown
// JFIF revision, stray bytes between markers) leave the image whole.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;  // trace output
    switch (cinfo->err->msg_code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION: JumpOut(cinfo);
    default: break;
    }
}

void LimitScans(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        JumpOut(cinfo);
}

// A source manager over the caller's bytes. The whole picture is one buffer, so asking for
// more means the data ended early: that is an error, not the usual fake end marker, so a cut
// picture is refused at once instead of being decoded with grey rows. The decoder reads a
// little ahead in the last scan, so even a picture cut in its end marker is refused.
void InitSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo)
{
    ERREXIT(cinfo, JERR_INPUT_EOF);
    return FALSE;
}

void SkipInput(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* source = cinfo->src;
    if (static_cast<unsigned long>(count) > source->bytes_in_buffer)
        ERREXIT(cinfo, JERR_INPUT_EOF);
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    QImage image;
};

// Runs libjpeg on the decoder's state. Everything that a jump back must not skip lives in
// the caller's Decoder, so no object of this frame has a destructor to miss.
bool Run(const JpegLibrary& jpeg, Decoder& d, std::span<const uint8_t> bytes)
{
    if (setjmp(d.errors.jump))
        return false;

    jpeg.create(&d.cinfo, JPEG_LIB_VERSION, sizeof d.cinfo);  // keeps err; clears everything else
    d.cinfo.progress = &d.progress;
    d.source.next_input_byte = bytes.data();
    d.source.bytes_in_buffer = bytes.size();
    d.cinfo.src = &d.source;

    if (jpeg.read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    const bool known_colours = (d.cinfo.num_components == 1 && d.cinfo.jpeg_color_space == JCS_GRAYSCALE) ||
                               (d.cinfo.num_components == 3 && (d.cinfo.jpeg_color_space == JCS_YCbCr ||
                                                                d.cinfo.jpeg_color_space == JCS_RGB));
    const int64_t width = d.cinfo.image_width;
    const int64_t height = d.cinfo.image_height;
    if (!known_colours || width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > kMaxPicturePixels)
        return false;

    d.cinfo.out_color_space = JCS_RGB;
    jpeg.start(&d.cinfo);
    if (d.cinfo.output_components != 3 || d.cinfo.output_width != width || d.cinfo.output_height != height)
        return false;
    d.image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
    if (d.image.isNull())
        return false;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.cinfo.output_scanline));
        if (jpeg.read_scanlines(&d.cinfo, &row, 1) != 1)
            return false;
    }
    // Every row is in; what follows the end marker cannot change the picture, so the decoder
    // is not asked to read on.
    return true;
}

}  // namespace

QImage DecodeJpeg(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return {};
    const JpegLibrary jpeg;
    if (!jpeg.Loaded())
        return {};
    Decoder d;
    d.cinfo.err = jpeg.std_error(&d.errors.base);
    d.errors.base.error_exit = JumpOut;
    d.errors.base.output_message = KeepQuiet;
    d.errors.base.emit_message = OnMessage;
    d.source.init_source = InitSource;
    d.source.fill_input_buffer = FillInput;
    d.source.skip_input_data = SkipInput;
    d.source.resync_to_restart = jpeg.resync_to_restart;
    d.source.term_source = TermSource;
    d.progress.progress_monitor = LimitScans;

    const bool ok = Run(jpeg, d, bytes);
    jpeg.destroy(&d.cinfo);  // also after a failed create: nothing to free then
    return ok ? std::move(d.image) : QImage();
}

QImage DecodePicture(std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
        return DecodeJpeg(bytes);
    if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX))
        return {};
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
}
