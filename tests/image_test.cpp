// JPEG decoding and the smooth scale of the banner.
#include <gtest/gtest.h>

#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

#include "ui/image.h"

namespace vt::ui {
namespace {

std::vector<std::uint8_t> EncodeSolid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[x * 3] = r;
        row[x * 3 + 1] = g;
        row[x * 3 + 2] = b;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(out, out + size);
    jpeg_destroy_compress(&info);
    free(out);
    return bytes;
}

TEST(Jpeg, DecodesAndRejectsGarbage)
{
    auto bytes = EncodeSolid(40, 16, 200, 100, 50);
    Image image = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 40);
    ASSERT_EQ(image.height, 16);
    EXPECT_NEAR(image.rgb[0], 200, 4);
    EXPECT_NEAR(image.rgb[1], 100, 4);
    EXPECT_NEAR(image.rgb[2], 50, 4);

    const std::uint8_t garbage[] = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    EXPECT_EQ(DecodeJpeg(garbage, sizeof garbage).width, 0);
    DecodeJpeg(bytes.data(), bytes.size() / 3); // truncated data decodes partly, without a crash
    EXPECT_EQ(DecodeJpeg(nullptr, 0).width, 0);
}

TEST(Jpeg, ShrinksWhileDecodingButNeverBelowTheWantedSize)
{
    auto bytes = EncodeSolid(64, 32, 10, 200, 10);
    const struct {
        int wantW, wantH, gotW, gotH;
    } cases[] = {{0, 0, 64, 32}, {64, 32, 64, 32}, {20, 10, 32, 16}, {16, 8, 16, 8}, {1, 1, 8, 4}, {33, 1, 64, 32}};
    for (auto c : cases) {
        Image image = DecodeJpeg(bytes.data(), bytes.size(), c.wantW, c.wantH);
        EXPECT_EQ(image.width, c.gotW) << c.wantW << "x" << c.wantH;
        EXPECT_EQ(image.height, c.gotH) << c.wantW << "x" << c.wantH;
    }
}

TEST(Jpeg, ScaleAveragesTheCoveredArea)
{
    Image src;
    src.width = 4;
    src.height = 2;
    // Left half black, right half white.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            for (int c = 0; c < 3; ++c)
                src.rgb.push_back(x < 2 ? 0 : 255);
    Image one = ScaleArea(src, 1, 1);
    ASSERT_EQ(one.rgb.size(), 3u);
    EXPECT_EQ(one.rgb[0], 128);
    Image half = ScaleArea(src, 2, 1);
    EXPECT_EQ(half.rgb[0], 0);
    EXPECT_EQ(half.rgb[3], 255);
    // 1005 -> 432 does not divide evenly: a column straddling the edge mixes.
    Image odd = ScaleArea(src, 3, 1);
    EXPECT_EQ(odd.rgb[0], 0);
    EXPECT_NEAR(odd.rgb[3], 128, 1);
    EXPECT_EQ(odd.rgb[6], 255);
}

} // namespace
} // namespace vt::ui
