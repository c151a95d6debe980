#include "print/report_logo.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr int kSize = 100;

enum Colour : char
{
    White,
    Outline,
    Roof,
    Warm1, // yellow, near the floor
    Warm2,
    Warm3,
    Warm4,
    Warm5,
    Warm6, // deep red, under the roof
    Cold1, // light blue at the bottom of the frame
    Cold2,
    Cold3,
    Cold4,
    Ground,
    Glass,
    Door,
};

constexpr std::array<std::uint32_t, 16> kPalette = {
    0xFFFFFFFF, 0xFF202020, 0xFF8B1A1A, 0xFFFFE066, 0xFFFFC44D, 0xFFFFA533, 0xFFF5822A, 0xFFE65C22,
    0xFFC93A1E, 0xFFDDEEFF, 0xFFBBDDF5, 0xFF99CCEE, 0xFF77B2E0, 0xFF707070, 0xFFE8F4FF, 0xFF1F4E79,
};

bool insideRoundedSquare(int x, int y, int margin, int radius)
{
    const int lo = margin + radius;
    const int hi = kSize - 1 - margin - radius;
    const int dx = x < lo ? lo - x : (x > hi ? x - hi : 0);
    const int dy = y < lo ? lo - y : (y > hi ? y - hi : 0);
    return x >= margin && x <= kSize - 1 - margin && y >= margin && y <= kSize - 1 - margin &&
           dx * dx + dy * dy <= radius * radius;
}

// Distance of (x, y) below the roof's slopes; negative outside the roof triangle.
int roofDepth(int x, int y)
{
    constexpr int apexX = 50, apexY = 14, eaveY = 50, halfBase = 38;
    if (y > eaveY)
        return -1;
    const double halfWidthAtY = halfBase * double(y - apexY) / double(eaveY - apexY);
    return static_cast<int>(std::floor(halfWidthAtY - std::abs(x - apexX)));
}

char pixel(int x, int y)
{
    // A cold frame around a warm house: the heat kept inside the envelope.
    if (!insideRoundedSquare(x, y, 1, 14))
        return White;
    if (!insideRoundedSquare(x, y, 3, 12))
        return Outline;
    char c = static_cast<char>(Cold4 - std::min(3, (y - 3) / 24));

    if (y >= 86 && y <= 88)
        c = Ground;
    // Chimney with rising warm air.
    if (x >= 64 && x <= 71 && y >= 20 && y <= 38)
        c = (x == 64 || x == 71 || y == 20) ? Outline : Roof;
    for (int wave = 0; wave < 2; ++wave) {
        const int wx = 66 + wave * 4 + static_cast<int>(std::lround(1.2 * std::sin(y * 0.8)));
        if (y >= 7 && y <= 17 && (x == wx || x == wx + 1))
            c = Warm5;
    }
    const int depth = roofDepth(x, y);
    if (depth >= 0)
        c = depth <= 1 || y >= 49 ? Outline : Roof;
    // Walls warm from yellow at the floor to red under the roof.
    if (x >= 22 && x <= 77 && y >= 51 && y <= 85) {
        if (x <= 23 || x >= 76)
            c = Outline;
        else
            c = static_cast<char>(Warm6 - std::min(5, (y - 51) / 6));
    }
    if (x >= 30 && x <= 45 && y >= 57 && y <= 71)
        c = (x <= 31 || x >= 44 || y <= 58 || y >= 70 || x == 37 || x == 38 || y == 64) ? Outline : Glass;
    if (x >= 55 && x <= 67 && y >= 63 && y <= 85)
        c = (x == 55 || x == 67 || y == 63) ? Outline : (x == 64 && y == 75 ? Warm1 : Door);
    return c;
}

ReportPicture drawLogo()
{
    ReportPicture picture;
    picture.width = kSize;
    picture.height = kSize;
    picture.palette = kPalette;
    picture.pixels.resize(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            picture.pixels[y * kSize + x] = pixel(x, y);
    return picture;
}

} // namespace

const ReportPicture& reportLogo()
{
    static const ReportPicture logo = drawLogo();
    return logo;
}

} // namespace orv
