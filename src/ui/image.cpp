#include "ui/image.h"

#include <csetjmp>
#include <cstdio>

#include <algorithm>
#include <cmath>

extern "C" {
#include <jpeglib.h>
}

namespace vt::ui {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void Silence(j_common_ptr, int) {}

} // namespace

Image DecodeJpeg(const std::uint8_t* data, std::size_t size, int minWidth, int minHeight)
{
    Image image;
    if (!data || size == 0)
        return image;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.emit_message = Silence;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return Image{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return image;
    }
    info.out_color_space = JCS_RGB;
    // The decoder can shrink by 1/2, 1/4 or 1/8 almost for free; take the
    // smallest that still covers the size the picture is wanted at.
    for (unsigned denom = 8; denom > 1; denom /= 2) {
        if (minWidth > 0 && minHeight > 0 && info.image_width / denom >= static_cast<unsigned>(minWidth) &&
            info.image_height / denom >= static_cast<unsigned>(minHeight)) {
            info.scale_num = 1;
            info.scale_denom = denom;
            break;
        }
    }
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.rgb.data() + static_cast<size_t>(info.output_scanline) * image.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

Image ScaleArea(const Image& src, int width, int height)
{
    Image out;
    if (src.width <= 0 || src.height <= 0 || width <= 0 || height <= 0)
        return out;
    out.width = width;
    out.height = height;
    out.rgb.resize(static_cast<size_t>(width) * height * 3);
    const double sx = static_cast<double>(src.width) / width;
    const double sy = static_cast<double>(src.height) / height;
    for (int y = 0; y < height; ++y) {
        double y0 = y * sy, y1 = std::max(y0 + 1e-9, (y + 1) * sy);
        for (int x = 0; x < width; ++x) {
            double x0 = x * sx, x1 = std::max(x0 + 1e-9, (x + 1) * sx);
            double acc[3] = {0, 0, 0}, total = 0;
            for (int yy = static_cast<int>(y0); yy < src.height && yy < y1; ++yy) {
                double wy = std::min<double>(yy + 1, y1) - std::max<double>(yy, y0);
                for (int xx = static_cast<int>(x0); xx < src.width && xx < x1; ++xx) {
                    double w = wy * (std::min<double>(xx + 1, x1) - std::max<double>(xx, x0));
                    const std::uint8_t* p = &src.rgb[(static_cast<size_t>(yy) * src.width + xx) * 3];
                    acc[0] += w * p[0];
                    acc[1] += w * p[1];
                    acc[2] += w * p[2];
                    total += w;
                }
            }
            std::uint8_t* q = &out.rgb[(static_cast<size_t>(y) * width + x) * 3];
            for (int c = 0; c < 3; ++c)
                q[c] = static_cast<std::uint8_t>(std::lround(total > 0 ? acc[c] / total : 0));
        }
    }
    return out;
}

} // namespace vt::ui
