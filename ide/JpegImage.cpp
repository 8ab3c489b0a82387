#include "ide/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg's own handler ends the process; this one jumps back to the decoder.
struct TReturningErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TReturningErrors*>(info->err)->Jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Everything that must survive a longjmp lives outside the decoder's frame.
struct TDecode {
    jpeg_decompress_struct Info{};
    TReturningErrors Errors{};
    QImage Image;
};

bool Decode(TDecode& d, const uint8_t* data, size_t size)
{
    d.Info.err = jpeg_std_error(&d.Errors.Base);
    d.Errors.Base.error_exit = JumpBack;
    d.Errors.Base.output_message = IgnoreMessage;
    if (setjmp(d.Errors.Jump)) return false;
    jpeg_create_decompress(&d.Info);
    jpeg_mem_src(&d.Info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.Info, TRUE);
    d.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.Info);
    d.Image = QImage(static_cast<int>(d.Info.output_width), static_cast<int>(d.Info.output_height),
                     QImage::Format_RGB888);
    if (d.Image.isNull()) return false;
    while (d.Info.output_scanline < d.Info.output_height) {
        JSAMPROW row = d.Image.scanLine(static_cast<int>(d.Info.output_scanline));
        jpeg_read_scanlines(&d.Info, &row, 1);
    }
    jpeg_finish_decompress(&d.Info);
    // A short stream is padded by libjpeg with a warning; such a picture is refused.
    return d.Errors.Base.num_warnings == 0;
}

}  // namespace

QImage DecodeJpeg(const uint8_t* data, size_t size)
{
    if (!data || size == 0) return {};
    TDecode d;
    const bool ok = Decode(d, data, size);
    jpeg_destroy_decompress(&d.Info);
    return ok ? d.Image : QImage();
}
